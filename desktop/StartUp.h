// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

namespace tarvisol::desktop {

// The application object, made only where the tool can open its window. Elsewhere the tool
// ends with one line on standard error and status 1: Qt on its own aborts there, after advice
// to reinstall the tool, which tells somebody started over ssh without a display nothing and
// leaves a core dump. `argc` must outlive the application, as Qt requires.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

} // namespace tarvisol::desktop
