// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tarvisol::ui {

// The tool's own icon, built into the executable so the windows show it whether the tool is
// installed or run from the build tree. It holds the installed SVG rendered to PNG at the usual
// sizes, which Qt reads without any plugin.
QIcon applicationIcon();

// The id the desktop knows the tool by: the name of its menu entry and of its icon.
QString applicationId();

} // namespace tarvisol::ui
