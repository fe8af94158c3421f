// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/linux/SoundSettingsFollower.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace tarvisol::desktop {

namespace {

using PortalSettings = QMap<QString, QVariantMap>;

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString soundGroup = QStringLiteral("org.gnome.desktop.sound");

} // namespace

SoundSettingsFollower::SoundSettingsFollower()
    : answer_(QDBusPendingCall::fromCompletedCall(QDBusMessage())) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    qDBusRegisterMetaType<PortalSettings>();
    // Subscribed before the read, so no change can slip in between the two. QtDBus names the
    // slot by its signature alone.
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"),
                this, SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                       QStringLiteral("ReadAll"));
    call << QStringList{soundGroup};
    // A portal started on demand may take a while to answer; nobody waits for it.
    answer_ = bus.asyncCall(call);
    answerTaken_ = false;
    auto* watcher = new QDBusPendingCallWatcher(answer_, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](auto* answered) {
        takeAnswer();
        answered->deleteLater();
    });
}

const SoundSettings& SoundSettingsFollower::current() {
    if (answer_.isFinished()) {
        takeAnswer();
    }
    return settings_;
}

void SoundSettingsFollower::settingChanged(const QString& group, const QString& key,
                                           const QDBusVariant& value) {
    if (group == soundGroup) {
        take(key, value.variant());
    }
}

// Once only: a change signalled after the answer must not be undone by it.
void SoundSettingsFollower::takeAnswer() {
    if (answerTaken_) {
        return;
    }
    answerTaken_ = true;
    const QDBusPendingReply<PortalSettings> reply = answer_;
    if (reply.isError()) {
        return;
    }
    const QVariantMap values = reply.value().value(soundGroup);
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        take(value.key(), value.value());
    }
}

void SoundSettingsFollower::take(const QString& key, const QVariant& value) {
    if (key == QLatin1String("event-sounds") && value.metaType() == QMetaType::fromType<bool>()) {
        settings_.eventSounds = value.toBool();
    } else if (key == QLatin1String("theme-name")) {
        const QString name = value.toString();
        settings_.themeName = name.isEmpty() ? SoundSettings().themeName : name.toUtf8();
    }
}

} // namespace tarvisol::desktop
