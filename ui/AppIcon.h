#pragma once

#include <QIcon>

namespace tarvisol::ui {

// The tool's own icon, built into the executable so the windows show it whether the tool is
// installed or run from the build tree. It is the SVG that is installed for the desktop; Qt
// draws it through its SVG icon engine, which comes as a plugin (libqt6svg6). Without the
// plugin the icon is null and the window system shows its default.
QIcon applicationIcon();

// The id the desktop knows the tool by: the name of its menu entry and of its icon.
QString applicationId();

} // namespace tarvisol::ui
