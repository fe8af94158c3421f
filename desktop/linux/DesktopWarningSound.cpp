// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopWarningSound.h"

#include "desktop/linux/CanberraPlayer.h"
#include "desktop/linux/ThemeSoundWorker.h"

#include <QApplication>

namespace tarvisol::desktop {

DesktopWarningSound::DesktopWarningSound(const QString& platformName,
                                         std::unique_ptr<ThemeSoundPlayer> player) {
    if (!platformName.startsWith(QLatin1String("wayland"))) {
        return;
    }
    if (!player) {
        player = std::make_unique<CanberraPlayer>();
    }
    themeSounds_ = std::make_unique<ThemeSoundWorker>(std::move(player));
}

DesktopWarningSound::~DesktopWarningSound() = default;

void DesktopWarningSound::play() {
    if (themeSounds_) {
        themeSounds_->request("bell");
    } else {
        QApplication::beep();
    }
}

} // namespace tarvisol::desktop
