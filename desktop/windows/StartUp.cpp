// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/StartUp.h"

namespace tarvisol::desktop {

// A Windows session always has its desktop, so there is no missing display to report.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace tarvisol::desktop
