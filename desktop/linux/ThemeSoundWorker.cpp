// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/linux/ThemeSoundWorker.h"

#include "desktop/linux/SoundSettingsFollower.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <atomic>

namespace tarvisol::desktop {

namespace {
// How long closing the tool waits for a sound still playing.
constexpr int closingWaitMilliseconds = 500;
} // namespace

// Shared with what runs on the thread, so that a thread still stuck in a sound when the tool
// closes finds everything it uses alive.
struct ThemeSoundWorker::State {
    std::unique_ptr<ThemeSoundPlayer> player;
    std::unique_ptr<SoundSettingsFollower> settings; // made, used and ended on the thread
    std::atomic<bool> waiting{false};
};

ThemeSoundWorker::ThemeSoundWorker(std::unique_ptr<ThemeSoundPlayer> player)
    : state_(std::make_shared<State>()), thread_(new QThread), home_(new QObject) {
    state_->player = std::move(player);
    thread_->setObjectName(QStringLiteral("theme sound"));
    home_->moveToThread(thread_);
    thread_->start();
    // Read now, so that the first sound already knows whether the user wants it.
    QMetaObject::invokeMethod(
        home_, [state = state_] { state->settings = std::make_unique<SoundSettingsFollower>(); });
}

ThemeSoundWorker::~ThemeSoundWorker() {
    QMetaObject::invokeMethod(home_, [state = state_, home = home_] {
        state->settings.reset();
        state->player.reset();
        home->deleteLater(); // deleted as the thread finishes
        QThread::currentThread()->quit();
    });
    if (thread_->wait(QDeadlineTimer(closingWaitMilliseconds))) {
        delete thread_;
        return;
    }
    // Still inside a sound that does not return. Deleting a running thread would abort the
    // tool; the thread ends with the process instead, keeping what it shares alive.
}

void ThemeSoundWorker::request(const QByteArray& eventId) {
    if (state_->waiting.exchange(true)) {
        return;
    }
    QMetaObject::invokeMethod(home_, [state = state_, eventId] {
        state->waiting = false;
        const SoundSettings& settings = state->settings->current();
        // Sounds switched off need neither the library nor the sound device.
        if (settings.eventSounds && state->player) {
            state->player->play(eventId, settings.themeName);
        }
    });
}

} // namespace tarvisol::desktop
