// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CloseOnlyWindow.h"

namespace tarvisol::desktop {

// Windows draws a fixed-size dialog with Qt's flags as asked: a close button alone.
void offerCloseControlOnly(QWidget& /*window*/) {}

} // namespace tarvisol::desktop
