// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtMessageService.h"

#include "ui/CoreText.h"

#include <QMessageBox>
#include <utility>

namespace tarvisol::ui {

QtMessageService::QtMessageService(QWidget* parent, SoundOutput& sound, QString platformName)
    : parent_(parent), sound_(sound), platformName_(std::move(platformName)) {
    if (themeSoundIsTheBell()) {
        sound_.expectThemeEvents();
    }
}

// Qt's Wayland platform has no bell: QApplication::beep() is silent there, so the sound theme's
// bell takes its place. Everywhere else Qt's bell is kept, also where it is silent by design
// (offscreen, for tests and rendering without a screen): a theme sound there would reach the
// sound card of a machine nobody listens to.
bool QtMessageService::themeSoundIsTheBell() const {
    return platformName_.startsWith(QLatin1String("wayland"));
}

void QtMessageService::beep() {
    if (themeSoundIsTheBell()) {
        sound_.playThemeEvent("bell");
    } else {
        sound_.ringBell();
    }
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
