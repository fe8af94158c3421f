// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageService.h"

#include <string>
#include <vector>

namespace tarvisol::testing {

// Records every beep and box in order, and answers boxes with a preset answer.
class RecordingMessageService : public MessageService {
public:
    struct Event {
        enum Kind { Beep, Box } kind;
        std::string text;
        std::string title;
        MessageIcon icon = MessageIcon::Critical;
        MessageButtons buttons = MessageButtons::Ok;
    };

    void beep() override { events.push_back({Event::Beep, {}, {}}); }

    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override {
        events.push_back({Event::Box, text, title, icon, buttons});
        return answer;
    }

    // The error report as the user meets it: exactly one beep, then exactly one
    // critical OK-only box titled "Fehler". Returns the box's text, or "" when the events
    // are anything else.
    std::string singleErrorText() const {
        if (events.size() != 2 || events[0].kind != Event::Beep || events[1].kind != Event::Box ||
            events[1].title != "Fehler" || events[1].icon != MessageIcon::Critical ||
            events[1].buttons != MessageButtons::Ok) {
            return {};
        }
        return events[1].text;
    }

    std::vector<Event> events;
    MessageAnswer answer = MessageAnswer::Ok;
};

} // namespace tarvisol::testing
