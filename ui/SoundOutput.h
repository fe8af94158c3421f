// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvisol::ui {

// The two ways a warning can be made audible on a desktop. Both return at once.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // The window system's own bell.
    virtual void ringBell() = 0;

    // An event sound of the user's sound theme, named by its event id ("bell").
    virtual void playThemeEvent(const std::string& eventId) = 0;

    // Told once, early, where theme sounds will stand in for the bell: time to fetch what the
    // first of them needs without anyone waiting for it.
    virtual void expectThemeEvents() {}
};

} // namespace tarvisol::ui
