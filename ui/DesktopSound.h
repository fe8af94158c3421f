// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SoundOutput.h"

#include <QLibrary>
#include <QString>
#include <memory>

struct ca_context;

namespace tarvisol::ui {

class SoundSettingsFollower;

// Qt's bell, and theme sounds through libcanberra, the library desktop notifications play
// their event sounds with. The library is opened, and its sound context made, at the first
// theme sound: a session that only ever rings the bell (X11, offscreen) loads none of it and
// never connects to the sound server. Where the library is missing, theme sounds are silent
// and the caller's message box still follows.
//
// Each theme sound follows the desktop's sound settings as its settings portal publishes them
// (GNOME's "event-sounds" and "theme-name", read by GTK applications the same way): no sound
// when the user switched event sounds off, and the user's theme, where set, instead of the
// freedesktop one. They are read once in the background and followed from then on, so a sound
// never waits on the portal.
class DesktopSound : public SoundOutput {
public:
    // `library` is the sound library's name and major version as QLibrary takes them.
    explicit DesktopSound(const QString& library = QStringLiteral("canberra"),
                          int majorVersion = 0);
    DesktopSound(const DesktopSound&) = delete;
    DesktopSound& operator=(const DesktopSound&) = delete;
    ~DesktopSound() override;

    void ringBell() override;
    void playThemeEvent(const std::string& eventId) override;
    void expectThemeEvents() override;

private:
    struct EntryPoints;

    bool openContext();

    QLibrary library_;
    std::unique_ptr<EntryPoints> entryPoints_; // set once the library is loaded
    bool loadTried_ = false;
    ca_context* context_ = nullptr;
    std::unique_ptr<SoundSettingsFollower> settings_;
};

} // namespace tarvisol::ui
