// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopSound.h"

#include "ui/AppIcon.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <cstdint>
#include <dlfcn.h>

namespace tarvisol::ui {

namespace {

using PortalSettings = QMap<QString, QVariantMap>;

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString soundGroup = QStringLiteral("org.gnome.desktop.sound");

// libcanberra's property names and its success code, as its interface fixes them; declared
// here so that building the tool needs only the library's run-time package.
namespace property {
constexpr const char* applicationName = "application.name";
constexpr const char* applicationId = "application.id";
constexpr const char* applicationIconName = "application.icon_name";
constexpr const char* eventId = "event.id";
constexpr const char* eventDescription = "event.description";
constexpr const char* themeName = "canberra.xdg-theme.name";
} // namespace property
constexpr int success = 0;
// Ends the variadic property lists, which the library reads as strings.
constexpr const char* endOfProperties = nullptr;

struct SoundSettings {
    bool eventSounds = true;
    QByteArray themeName = "freedesktop"; // libcanberra's own choice without one
};

// Looks first at what the process already has, as the dynamic linker does for a library the
// program links: a definition preloaded, or the program's own (the Wayland test records the
// requested sound that way), still takes the place of the library's.
QFunctionPointer lookUp(QLibrary& library, const char* name) {
    if (void* defined = dlsym(RTLD_DEFAULT, name)) {
        return reinterpret_cast<QFunctionPointer>(defined);
    }
    return library.resolve(name);
}

template <typename Function>
bool lookUpInto(Function& function, QLibrary& library, const char* name) {
    function = reinterpret_cast<Function>(lookUp(library, name));
    return function != nullptr;
}

} // namespace

// The desktop's sound settings, read from its settings portal once and kept up to date by the
// portal's change signal. Until the first answer comes, or where no portal answers, the
// defaults stand.
class SoundSettingsFollower : public QObject {
    Q_OBJECT

public:
    SoundSettingsFollower() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return;
        }
        qDBusRegisterMetaType<PortalSettings>();
        // Subscribed before the read, so no change can slip in between the two.
        bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"),
                    this, SLOT(settingChanged(QString, QString, QDBusVariant)));
        QDBusMessage call = QDBusMessage::createMethodCall(
            portalService, portalPath, settingsInterface, QStringLiteral("ReadAll"));
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

    // An answer already in may not have been announced yet (the announcement waits for the
    // event loop); taking it here costs nothing and never waits.
    const SoundSettings& current() {
        if (answer_.isFinished()) {
            takeAnswer();
        }
        return settings_;
    }

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
        if (group == soundGroup) {
            take(key, value.variant());
        }
    }

private:
    // Once only: a change signalled after the answer must not be undone by it.
    void takeAnswer() {
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

    void take(const QString& key, const QVariant& value) {
        if (key == QLatin1String("event-sounds") &&
            value.metaType() == QMetaType::fromType<bool>()) {
            settings_.eventSounds = value.toBool();
        } else if (key == QLatin1String("theme-name")) {
            const QString name = value.toString();
            settings_.themeName = name.isEmpty() ? SoundSettings().themeName : name.toUtf8();
        }
    }

    SoundSettings settings_;
    // Without a session bus there is no answer to take.
    QDBusPendingCall answer_ = QDBusPendingCall::fromCompletedCall(QDBusMessage());
    bool answerTaken_ = true;
};

struct DesktopSound::EntryPoints {
    int (*create)(ca_context** context) = nullptr;
    int (*destroy)(ca_context* context) = nullptr;
    int (*changeProps)(ca_context* context, ...) = nullptr;
    int (*play)(ca_context* context, std::uint32_t id, ...) = nullptr;
};

DesktopSound::DesktopSound(const QString& library, int majorVersion)
    : library_(library, majorVersion) {}

DesktopSound::~DesktopSound() {
    if (context_) {
        entryPoints_->destroy(context_);
    }
}

void DesktopSound::ringBell() {
    QApplication::beep();
}

void DesktopSound::expectThemeEvents() {
    if (!settings_) {
        settings_ = std::make_unique<SoundSettingsFollower>();
    }
}

bool DesktopSound::openContext() {
    if (context_) {
        return true;
    }
    if (!entryPoints_) {
        if (loadTried_) {
            return false;
        }
        loadTried_ = true;
        auto points = std::make_unique<EntryPoints>();
        if (!library_.load() || !lookUpInto(points->create, library_, "ca_context_create") ||
            !lookUpInto(points->destroy, library_, "ca_context_destroy") ||
            !lookUpInto(points->changeProps, library_, "ca_context_change_props") ||
            !lookUpInto(points->play, library_, "ca_context_play")) {
            return false;
        }
        entryPoints_ = std::move(points);
    }
    if (entryPoints_->create(&context_) != success) {
        context_ = nullptr;
        return false;
    }
    // Names the tool to the sound server, whose per-application volume and mute the user may
    // have set.
    const QByteArray id = applicationId().toUtf8();
    entryPoints_->changeProps(context_, property::applicationName, "Tarvisol",
                              property::applicationId, id.constData(),
                              property::applicationIconName, id.constData(), endOfProperties);
    return true;
}

void DesktopSound::playThemeEvent(const std::string& eventId) {
    // A caller that did not announce theme sounds gets the desktop's settings from the next
    // sound on.
    expectThemeEvents();
    const SoundSettings& settings = settings_->current();
    // Sounds switched off need neither the library nor the sound device.
    if (!settings.eventSounds || !openContext()) {
        return;
    }
    // Playing is asynchronous. A failure (no sound device) leaves the warning to the message
    // box that follows, which is all a missing bell would leave too.
    entryPoints_->play(context_, 0, property::eventId, eventId.c_str(), property::eventDescription,
                       "Fehler", property::themeName, settings.themeName.constData(),
                       endOfProperties);
}

} // namespace tarvisol::ui

#include "DesktopSound.moc"
