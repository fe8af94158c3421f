// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageService.h"
#include "ui/SoundOutput.h"

#include <QString>

class QWidget;

namespace tarvisol::ui {

// Beep and message boxes through Qt, the boxes modal to the given window. The beep is the
// window system's bell where it has one; `platformName` is Qt's name for the window system.
class QtMessageService : public MessageService {
public:
    QtMessageService(QWidget* parent, SoundOutput& sound, QString platformName);

    void beep() override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;

private:
    bool themeSoundIsTheBell() const;

    QWidget* parent_;
    SoundOutput& sound_;
    QString platformName_;
};

} // namespace tarvisol::ui
