// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/GermanQtTexts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tarvisol::desktop {

bool loadGermanQtTexts() {
    // A Windows program brings its own: the installer and the zip put Qt's German texts in a
    // folder beside the executable, wherever the user put that.
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    // Owned by the application, so it lives as long as the texts it translates.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_de"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tarvisol::desktop
