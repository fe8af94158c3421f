// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvisol::desktop {

// The sound that goes with an error box. Playing returns at once, whatever the sound device,
// the sound server or the session bus are doing: the box must never wait for them.
class WarningSound {
public:
    virtual ~WarningSound() = default;

    virtual void play() = 0;
};

} // namespace tarvisol::desktop
