// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace tarvisol::desktop {

// Plays one event sound of a sound theme ("bell" in "freedesktop"). Playing may block for as
// long as the sound device or the sound server take, so it is only ever called away from the
// window's thread, and always from the same thread.
class ThemeSoundPlayer {
public:
    virtual ~ThemeSoundPlayer() = default;

    virtual void play(const QByteArray& eventId, const QByteArray& themeName) = 0;
};

} // namespace tarvisol::desktop
