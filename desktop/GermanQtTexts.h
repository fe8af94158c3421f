// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvisol::desktop {

// Qt's own texts (the buttons of its message boxes, the text boxes' context menus) in German,
// whatever the user's locale: the tool speaks only German. Call once QApplication exists.
// Returns false where Qt's German translations are not installed; the texts stay English then.
bool loadGermanQtTexts();

} // namespace tarvisol::desktop
