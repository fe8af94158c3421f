// SPDX-License-Identifier: GPL-3.0-or-later
// The plainest comparable program: a window of the tool's initial size holding one label, one
// line edit and one button, so that it loads fonts and style as the tool does.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(669, 495);
    auto* label = new QLabel(QStringLiteral("Film-/Chipformat:"), &window);
    label->move(8, 16);
    auto* edit = new QLineEdit(QStringLiteral("36"), &window);
    edit->setGeometry(96, 16, 33, 19);
    auto* button = new QPushButton(QStringLiteral("hinzufügen"), &window);
    button->setGeometry(352, 16, 73, 25);
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
