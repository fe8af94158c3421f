// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ThemeSoundPlayer.h"

#include <QLibrary>
#include <QString>
#include <memory>

struct ca_context;

namespace tarvisol::desktop {

// Theme sounds through libcanberra, the library desktop notifications play their event sounds
// with. The library is opened, and its sound context made, at the first sound: a session that
// never plays one loads none of it and never connects to the sound server. Where the library
// is missing, sounds are silent and the error box still comes.
class CanberraPlayer : public ThemeSoundPlayer {
public:
    // `library` is the sound library's name and major version as QLibrary takes them.
    explicit CanberraPlayer(const QString& library = QStringLiteral("canberra"),
                            int majorVersion = 0);
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;
    ~CanberraPlayer() override;

    void play(const QByteArray& eventId, const QByteArray& themeName) override;

private:
    struct EntryPoints;

    bool openContext();

    QLibrary library_;
    std::unique_ptr<EntryPoints> entryPoints_; // set once the library is loaded
    bool loadTried_ = false;
    ca_context* context_ = nullptr;
};

} // namespace tarvisol::desktop
