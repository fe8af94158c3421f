// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaint.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarvisol::ui::Form1 form1;
    FirstPaint firstPaint;
    form1.installEventFilter(&firstPaint);
    form1.show();
    return QApplication::exec();
}
