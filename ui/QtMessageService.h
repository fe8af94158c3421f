// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageService.h"
#include "desktop/WarningSound.h"

class QWidget;

namespace tarvisol::ui {

// Beep and message boxes through Qt, the boxes modal to the given window; the beep is the
// desktop's warning sound.
class QtMessageService : public MessageService {
public:
    QtMessageService(QWidget* parent, desktop::WarningSound& sound);

    void beep() override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;

private:
    QWidget* parent_;
    desktop::WarningSound& sound_;
};

} // namespace tarvisol::ui
