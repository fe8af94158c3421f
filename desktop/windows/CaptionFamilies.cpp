// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CaptionFamilies.h"

namespace tarvisol::desktop {

// Windows ships no narrow face with the system (Arial Narrow comes with Office). Tahoma is on
// every Windows since 2000, 10 and 11 included, and is drawn for screen text at 8 points;
// Wine has a Tahoma of its own, so the tests under Wine use the same family the user's
// Windows has (Segoe UI, the newer system font, Wine lacks). The caption sizes still shrink
// until every caption fits, whatever the metrics.
QStringList captionFamilies() {
    return {QStringLiteral("Tahoma")};
}

} // namespace tarvisol::desktop
