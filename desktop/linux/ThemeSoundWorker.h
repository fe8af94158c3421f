// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ThemeSoundPlayer.h"

#include <QByteArray>
#include <memory>

class QObject;
class QThread;

namespace tarvisol::desktop {

// A thread of its own for everything a theme sound needs that can block: the session bus and
// the settings portal behind it, the sound library, the sound device and the sound server. A
// stuck sound server (one that accepts the connection and never answers) holds this thread
// for as long as it likes, never the window.
class ThemeSoundWorker {
public:
    explicit ThemeSoundWorker(std::unique_ptr<ThemeSoundPlayer> player);
    ThemeSoundWorker(const ThemeSoundWorker&) = delete;
    ThemeSoundWorker& operator=(const ThemeSoundWorker&) = delete;
    ~ThemeSoundWorker();

    // Returns at once. The event plays as the desktop's sound settings allow, in the user's
    // theme. While one sound still waits for the thread, a further request is dropped: a
    // sound that comes late is no use, and a queue of them would play on long after.
    void request(const QByteArray& eventId);

private:
    struct State;

    std::shared_ptr<State> state_;
    QThread* thread_;
    QObject* home_; // lives on the thread; what it runs, it runs there
};

} // namespace tarvisol::desktop
