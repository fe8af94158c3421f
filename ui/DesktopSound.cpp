// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopSound.h"

#include "ui/AppIcon.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <canberra.h>

namespace tarvisol::ui {

namespace {

using PortalSettings = QMap<QString, QVariantMap>;

struct SoundSettings {
    bool eventSounds = true;
    QByteArray themeName = "freedesktop"; // libcanberra's own choice without one
};

// Asked at every theme sound, so a change of the setting counts from the next mistake on. The
// portal answers in about a millisecond; the short limit keeps one that hangs from holding
// back the message box noticeably.
SoundSettings desktopSoundSettings() {
    SoundSettings settings;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return settings;
    }
    qDBusRegisterMetaType<PortalSettings>();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("ReadAll"));
    const QString sound = QStringLiteral("org.gnome.desktop.sound");
    call << QStringList{sound};
    constexpr int portalTimeoutMs = 200;
    const QDBusMessage reply = bus.call(call, QDBus::Block, portalTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return settings;
    }
    const QVariantMap values =
        qdbus_cast<PortalSettings>(reply.arguments().constFirst()).value(sound);
    const QVariant eventSounds = values.value(QStringLiteral("event-sounds"));
    if (eventSounds.metaType() == QMetaType::fromType<bool>()) {
        settings.eventSounds = eventSounds.toBool();
    }
    const QString themeName = values.value(QStringLiteral("theme-name")).toString();
    if (!themeName.isEmpty()) {
        settings.themeName = themeName.toUtf8();
    }
    return settings;
}

} // namespace

DesktopSound::~DesktopSound() {
    if (context_) {
        ca_context_destroy(context_);
    }
}

void DesktopSound::ringBell() {
    QApplication::beep();
}

void DesktopSound::playThemeEvent(const std::string& eventId) {
    if (!context_) {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return;
        }
        // Names the tool to the sound server, whose per-application volume and mute the user
        // may have set.
        const QByteArray id = applicationId().toUtf8();
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Tarvisol",
                                CA_PROP_APPLICATION_ID, id.constData(),
                                CA_PROP_APPLICATION_ICON_NAME, id.constData(), nullptr);
    }
    const SoundSettings settings = desktopSoundSettings();
    // libcanberra itself refuses to play on a context so marked; not asking it at all also
    // spares opening the sound device.
    ca_context_change_props(context_, CA_PROP_CANBERRA_ENABLE, settings.eventSounds ? "1" : "0",
                            nullptr);
    if (!settings.eventSounds) {
        return;
    }
    // Playing is asynchronous. A failure (no sound device) leaves the warning to the message
    // box that follows, which is all a missing bell would leave too.
    ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId.c_str(), CA_PROP_EVENT_DESCRIPTION,
                    "Fehler", CA_PROP_CANBERRA_XDG_THEME_NAME, settings.themeName.constData(),
                    nullptr);
}

} // namespace tarvisol::ui
