// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ThemeSoundPlayer.h"
#include "desktop/WarningSound.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QStringList>

// The warning sound as a test hears it: each one noted in `log`, none played.
class RecordingSound : public tarvisol::desktop::WarningSound {
public:
    void play() override { log.append(QStringLiteral("sound")); }

    QStringList log;
};

// Theme sounds as a test hears them, "bell in freedesktop", noted from the sound's own thread.
// With a block set, each sound takes that long, or until release(), as a stuck sound server
// would hold it. Outlives the players that report to it.
class HeardSounds {
public:
    explicit HeardSounds(int blockForMs = 0) : blockForMs_(blockForMs) {}

    void note(const QByteArray& eventId, const QByteArray& themeName) {
        {
            const QMutexLocker lock(&mutex_);
            heard_.append(QString::fromUtf8(eventId + " in " + themeName));
        }
        if (blockForMs_ > 0) {
            released_.tryAcquire(1, blockForMs_);
        }
    }

    QStringList heard() const {
        const QMutexLocker lock(&mutex_);
        return heard_;
    }

    void release() { released_.release(); }

private:
    const int blockForMs_;
    mutable QMutex mutex_;
    QStringList heard_;
    QSemaphore released_;
};

class RecordingPlayer : public tarvisol::desktop::ThemeSoundPlayer {
public:
    explicit RecordingPlayer(HeardSounds& sounds) : sounds_(sounds) {}

    void play(const QByteArray& eventId, const QByteArray& themeName) override {
        sounds_.note(eventId, themeName);
    }

private:
    HeardSounds& sounds_;
};
