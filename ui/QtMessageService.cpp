// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtMessageService.h"

#include "ui/CoreText.h"

#include <QMessageBox>

namespace tarvisol::ui {

QtMessageService::QtMessageService(QWidget* parent, desktop::WarningSound& sound)
    : parent_(parent), sound_(sound) {}

void QtMessageService::beep() {
    sound_.play();
}

MessageAnswer QtMessageService::messageBox(const std::string& text, const std::string& title,
                                           MessageIcon icon, MessageButtons buttons) {
    const auto qtIcon =
        icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Critical;
    const auto qtButtons = buttons == MessageButtons::OkCancel
                               ? QMessageBox::Ok | QMessageBox::Cancel
                               : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(qtIcon, fromCore(title), fromCore(text), qtButtons, parent_);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(buttons == MessageButtons::OkCancel ? QMessageBox::Cancel
                                                            : QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace tarvisol::ui
