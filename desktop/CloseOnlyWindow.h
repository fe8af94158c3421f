// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QString>

class QWidget;

namespace tarvisol::desktop {

// Asks the window system to give the fixed-size dialog `window` a close control and nothing
// else, where its window flags alone do not get that. Call it once the window's flags are set
// and before the window is first shown.
void offerCloseControlOnly(QWidget& window);

// The window types to name ahead of Qt's own (_NET_WM_WINDOW_TYPE, most wanted first) for such a
// dialog under the X11 window manager called `windowManager`; none where Qt's hints suffice.
QByteArrayList closeOnlyWindowTypes(const QString& windowManager);

} // namespace tarvisol::desktop
