// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ThemeSoundPlayer.h"
#include "desktop/WarningSound.h"

#include <QString>
#include <memory>

namespace tarvisol::desktop {

class ThemeSoundWorker;

// The one place that decides how a mistake sounds. The window system's bell where it has one;
// Qt's Wayland platform has none (QApplication::beep() is silent there), so there the sound
// theme's "bell" event takes its place, as the desktop's sound settings allow, played on a
// thread of its own. Offscreen keeps Qt's silent bell: a theme sound there would reach the
// sound card of a machine nobody listens to.
class DesktopWarningSound : public WarningSound {
public:
    // `platformName` is Qt's name for the window system. Theme sounds go through `player`,
    // or the platform's own player when none is given.
    explicit DesktopWarningSound(const QString& platformName,
                                 std::unique_ptr<ThemeSoundPlayer> player = nullptr);
    ~DesktopWarningSound() override;

    void play() override;

private:
    std::unique_ptr<ThemeSoundWorker> themeSounds_; // only where theme sounds stand in
};

} // namespace tarvisol::desktop
