// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopWarningSound.h"

#include <QApplication>

namespace tarvisol::desktop {

// Windows has no sound themes to stand in for a bell: the member stays empty.
class ThemeSoundWorker {};

// Windows always has its bell. Qt's Windows platform plays the system's default sound for
// QApplication::beep() (MessageBeep), in the user's sound scheme and volume, and returns at
// once; no session bus, no sound library. Offscreen, as on Linux, the bell is silent.
DesktopWarningSound::DesktopWarningSound(const QString&, std::unique_ptr<ThemeSoundPlayer>) {}

DesktopWarningSound::~DesktopWarningSound() = default;

void DesktopWarningSound::play() {
    QApplication::beep();
}

} // namespace tarvisol::desktop
