// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound on a real Wayland compositor (run-under-weston.sh, in a D-Bus session of
// its own). Qt has no bell there, so a rejected request must ask the sound theme for its bell,
// once, while the error box comes, as the desktop's sound settings allow, also where they
// change while the tool runs.

#include "RecordingSound.h"
#include "WindowProbe.h"
#include "desktop/DesktopWarningSound.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QtTest>
#include <memory>

using PortalSettings = QMap<QString, QVariantMap>;

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString soundGroup = QStringLiteral("org.gnome.desktop.sound");
} // namespace

// The desktop's settings portal as a GNOME session runs it, publishing the sound settings.
class FakeSettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakeSettingsPortal(QVariantMap sound) : sound_(std::move(sound)) {}

public slots:
    PortalSettings ReadAll(const QStringList& namespaces) {
        ++reads_;
        PortalSettings all;
        if (namespaces.contains(soundGroup)) {
            all.insert(soundGroup, sound_);
        }
        return all;
    }

public:
    int reads() const { return reads_; }

private:
    QVariantMap sound_;
    int reads_ = 0;
};

class WaylandSoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        qDBusRegisterMetaType<PortalSettings>();
    }

    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void rejectedRequestSoundsAsTheDesktopAllows_data() {
        QTest::addColumn<bool>("portal");
        QTest::addColumn<QVariantMap>("soundSettings");
        // A change the portal signals once the tool runs, as the user flips the switch.
        QTest::addColumn<QVariantMap>("changed");
        QTest::addColumn<QStringList>("requested");
        const QVariantMap unchanged;
        QTest::newRow("no settings portal")
            << false << QVariantMap{} << unchanged << QStringList{"bell in freedesktop"};
        QTest::newRow("nothing set")
            << true << QVariantMap{} << unchanged << QStringList{"bell in freedesktop"};
        QTest::newRow("the user's theme")
            << true << QVariantMap{{"event-sounds", true}, {"theme-name", "Yaru"}} << unchanged
            << QStringList{"bell in Yaru"};
        QTest::newRow("event sounds off")
            << true << QVariantMap{{"event-sounds", false}, {"theme-name", "Yaru"}} << unchanged
            << QStringList{};
        QTest::newRow("event sounds switched off while running")
            << true << QVariantMap{{"event-sounds", true}} << QVariantMap{{"event-sounds", false}}
            << QStringList{};
        QTest::newRow("event sounds switched on while running")
            << true << QVariantMap{{"event-sounds", false}} << QVariantMap{{"event-sounds", true}}
            << QStringList{"bell in freedesktop"};
        QTest::newRow("theme chosen while running")
            << true << QVariantMap{} << QVariantMap{{"theme-name", "Yaru"}}
            << QStringList{"bell in Yaru"};
    }

    // State: the window on weston, the desktop's sound settings as given, then changed.
    // Action: a focal length that is no number. Expected: the theme's bell requested at most
    // once, and already while the box is up.
    void rejectedRequestSoundsAsTheDesktopAllows() {
        QFETCH(bool, portal);
        QFETCH(QVariantMap, soundSettings);
        QFETCH(QVariantMap, changed);
        QFETCH(QStringList, requested);
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeSettingsPortal settings(soundSettings);
        if (portal) {
            QVERIFY(bus.registerObject(portalPath, &settings, QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(portalService));
        }
        HeardSounds player;
        tarvisol::desktop::DesktopWarningSound sound(QGuiApplication::platformName(),
                                                     std::make_unique<RecordingPlayer>(player));
        tarvisol::ui::Form1 form(sound);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The tool reads the settings as it starts; a user's first mistake comes later.
        if (portal) {
            QTRY_COMPARE(settings.reads(), 1);
        }
        for (auto setting = changed.cbegin(); setting != changed.cend(); ++setting) {
            QDBusMessage signal = QDBusMessage::createSignal(portalPath, settingsInterface,
                                                             QStringLiteral("SettingChanged"));
            signal << soundGroup << setting.key() << QVariant::fromValue(QDBusVariant(*setting));
            QVERIFY(bus.send(signal));
        }
        // The bus hands out messages in order: once it answers a call made after the answer
        // and the signals, they have reached the tool.
        QVERIFY(bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus")));
        WindowProbe probe(form);
        probe.type("36", "24", "abc");
        QStringList heardWhileTheBoxIsUp;
        QString boxTitle;
        ModalAnswerer answerer([&](QWidget* modal) {
            (void)QTest::qWaitFor([&] { return player.heard().size() >= requested.size(); }, 2000);
            if (requested.isEmpty()) {
                QTest::qWait(200); // the same chance to come for a sound that must not
            }
            heardWhileTheBoxIsUp = player.heard();
            boxTitle = modal->windowTitle();
            modal->close();
        });
        probe.click("CommandOK");
        if (portal) {
            bus.unregisterService(portalService);
            bus.unregisterObject(portalPath);
        }
        QVERIFY(answerer.answered() && !answerer.stuck());
        QCOMPARE(boxTitle, QStringLiteral("Fehler"));
        QCOMPARE(heardWhileTheBoxIsUp, requested);
        QCOMPARE(player.heard(), requested);
    }
};

QTEST_MAIN(WaylandSoundTest)
#include "tst_wayland_sound.moc"
