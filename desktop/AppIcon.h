// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tarvisol::desktop {

// The tool's own icon, built into the executable so the windows show it whether the tool is
// installed or run from the build tree. It holds the installed SVG rendered to PNG at the usual
// sizes, which Qt reads without any plugin.
QIcon applicationIcon();

// An icon of the PNG files in `folder`, each named with its size ("...-48.png"); a file is read
// only when the icon's pixels are first asked for.
QIcon iconFromFiles(const QString& folder);

// The id the desktop knows the tool by: the name of its menu entry and of its icon.
QString applicationId();

} // namespace tarvisol::desktop
