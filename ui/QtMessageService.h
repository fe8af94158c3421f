#pragma once

#include "core/MessageService.h"

class QWidget;

namespace tarvisol::ui {

// Beep and message boxes through Qt, the boxes modal to the given window.
class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* parent) : parent_(parent) {}

    void beep() override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;

private:
    QWidget* parent_;
};

} // namespace tarvisol::ui
