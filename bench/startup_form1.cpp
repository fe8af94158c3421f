// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaint.h"
#include "desktop/DesktopWarningSound.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarvisol::desktop::DesktopWarningSound sound(QGuiApplication::platformName());
    tarvisol::ui::Form1 form1(sound);
    FirstPaint firstPaint;
    form1.installEventFilter(&firstPaint);
    form1.show();
    return QApplication::exec();
}
