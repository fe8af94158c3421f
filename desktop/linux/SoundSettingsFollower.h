// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDBusPendingCall>
#include <QObject>

class QDBusVariant;

namespace tarvisol::desktop {

struct SoundSettings {
    bool eventSounds = true;
    QByteArray themeName = "freedesktop"; // libcanberra's own choice without one
};

// The desktop's sound settings as its settings portal publishes them (GNOME's "event-sounds"
// and "theme-name", read by GTK applications the same way): read once without waiting for the
// answer, and kept up to date by the portal's change signal. Until the first answer comes, or
// where no portal answers, the defaults stand. Connecting to the session bus may block, so
// this lives on the sound's own thread.
class SoundSettingsFollower : public QObject {
    Q_OBJECT

public:
    SoundSettingsFollower();

    // An answer already in may not have been announced yet (the announcement waits for the
    // event loop); taking it here costs nothing and never waits.
    const SoundSettings& current();

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void takeAnswer();
    void take(const QString& key, const QVariant& value);

    SoundSettings settings_;
    // Without a session bus there is no answer to take.
    QDBusPendingCall answer_;
    bool answerTaken_ = true;
};

} // namespace tarvisol::desktop
