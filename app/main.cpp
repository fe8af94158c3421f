// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/Accessibility.h"
#include "desktop/AppIcon.h"
#include "desktop/DesktopWarningSound.h"
#include "desktop/GermanQtTexts.h"
#include "desktop/StartUp.h"
#include "ui/Form1.h"

int main(int argc, char* argv[]) {
    const auto application = tarvisol::desktop::startApplication(argc, argv);
    // Lets the desktop match the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(tarvisol::desktop::applicationId());
    tarvisol::desktop::loadGermanQtTexts();
    tarvisol::desktop::installAccessibility();
    tarvisol::desktop::DesktopWarningSound sound(QGuiApplication::platformName());
    tarvisol::ui::Form1 form1(sound);
    form1.show();
    return QApplication::exec();
}
