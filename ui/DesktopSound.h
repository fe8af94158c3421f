// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SoundOutput.h"

struct ca_context;

namespace tarvisol::ui {

// Qt's bell, and theme sounds through libcanberra, the library desktop notifications play
// their event sounds with. The sound context is opened at the first theme sound, so a session
// that only ever rings the bell never connects to the sound server.
//
// Each theme sound follows the desktop's sound settings as its settings portal publishes them
// (GNOME's "event-sounds" and "theme-name", read by GTK applications the same way): no sound
// when the user switched event sounds off, and the user's theme, where set, instead of the
// freedesktop one.
class DesktopSound : public SoundOutput {
public:
    DesktopSound() = default;
    DesktopSound(const DesktopSound&) = delete;
    DesktopSound& operator=(const DesktopSound&) = delete;
    ~DesktopSound() override;

    void ringBell() override;
    void playThemeEvent(const std::string& eventId) override;

private:
    ca_context* context_ = nullptr;
};

} // namespace tarvisol::ui
