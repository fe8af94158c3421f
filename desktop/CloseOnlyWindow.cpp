// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CloseOnlyWindow.h"

namespace tarvisol::desktop {

// Openbox (3.6) disregards the Motif hints for minimising and maximising. It drops the
// maximise function of a window whose minimum and maximum sizes agree, yet still draws the
// button while the minimise button stands between it and the title; and it drops minimising
// only for toolbar and menu windows. The toolbar type named first, with Qt's dialog type
// after it for every other window manager, leaves the close control alone; modality is a state
// of its own and stays. Openbox gives a toolbar focus only for clicks on its frame, but Qt asks
// for activation on every click into a window that lacks focus, so a click into the text still
// focuses it.
QByteArrayList closeOnlyWindowTypes(const QString& windowManager) {
    if (windowManager.compare(QStringLiteral("Openbox"), Qt::CaseInsensitive) == 0) {
        return {QByteArrayLiteral("_NET_WM_WINDOW_TYPE_TOOLBAR")};
    }
    return {};
}

} // namespace tarvisol::desktop
