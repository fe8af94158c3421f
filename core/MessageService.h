// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvisol {

enum class MessageIcon { Critical, Question };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// The two ways the tool speaks to the user outside its windows: the system's warning sound
// and a modal message box. The windows supply the real ones; tests supply recorders.
class MessageService {
public:
    virtual ~MessageService() = default;

    // Returns at once.
    virtual void beep() = 0;

    // Blocks until the user answers. Closing the box without a button counts as Cancel.
    virtual MessageAnswer messageBox(const std::string& text, const std::string& title,
                                     MessageIcon icon, MessageButtons buttons) = 0;
};

} // namespace tarvisol
