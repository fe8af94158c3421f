// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AppIcon.h"
#include "ui/Form1.h"
#include "ui/GermanQtTexts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(tarvisol::ui::applicationId());
    tarvisol::ui::loadGermanQtTexts();
    tarvisol::ui::Form1 form1;
    form1.show();
    return QApplication::exec();
}
