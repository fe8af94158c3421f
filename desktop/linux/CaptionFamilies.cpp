// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CaptionFamilies.h"

namespace tarvisol::desktop {

// Narrow faces from Debian's font packages: the one the package recommends, then the
// condensed face of the default font.
QStringList captionFamilies() {
    return {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")};
}

} // namespace tarvisol::desktop
