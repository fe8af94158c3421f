// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound on a real Wayland compositor (run-under-weston.sh, in a D-Bus session of
// its own). Qt has no bell there, so a rejected request must ask the sound theme for its bell,
// once, before the error box, as the desktop's sound settings allow.

#include "WindowProbe.h"

#include <QDBusConnection>
#include <QDBusMetaType>
#include <QtTest>
#include <canberra.h>
#include <cstdarg>
#include <cstring>

using PortalSettings = QMap<QString, QVariantMap>;

namespace {
QStringList requestedEvents;
}

// Stands in for libcanberra's own, which this executable would otherwise call: records the
// requested event instead of playing it, so the test stays silent on a machine with speakers.
extern "C" int ca_context_play(ca_context* context, uint32_t id, ...) {
    va_list properties;
    va_start(properties, id);
    QString event = QStringLiteral("<no event id>");
    QString theme;
    while (const char* key = va_arg(properties, const char*)) {
        const char* value = va_arg(properties, const char*);
        if (std::strcmp(key, CA_PROP_EVENT_ID) == 0) {
            event = QString::fromUtf8(value);
        } else if (std::strcmp(key, CA_PROP_CANBERRA_XDG_THEME_NAME) == 0) {
            theme = QStringLiteral(" in ") + QString::fromUtf8(value);
        }
    }
    va_end(properties);
    requestedEvents.append(event + theme + (context ? "" : " without a context"));
    return CA_SUCCESS;
}

// The desktop's settings portal as a GNOME session runs it, publishing the sound settings.
class FakeSettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakeSettingsPortal(QVariantMap sound) : sound_(std::move(sound)) {}

public slots:
    PortalSettings ReadAll(const QStringList& namespaces) {
        PortalSettings all;
        if (namespaces.contains(QStringLiteral("org.gnome.desktop.sound"))) {
            all.insert(QStringLiteral("org.gnome.desktop.sound"), sound_);
        }
        return all;
    }

private:
    QVariantMap sound_;
};

class WaylandSoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        qDBusRegisterMetaType<PortalSettings>();
    }

    void init() { requestedEvents.clear(); }
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void rejectedRequestSoundsAsTheDesktopAllows_data() {
        QTest::addColumn<bool>("portal");
        QTest::addColumn<QVariantMap>("soundSettings");
        QTest::addColumn<QStringList>("requested");
        QTest::newRow("no settings portal")
            << false << QVariantMap{} << QStringList{"bell in freedesktop"};
        QTest::newRow("nothing set") << true << QVariantMap{} << QStringList{"bell in freedesktop"};
        QTest::newRow("the user's theme")
            << true << QVariantMap{{"event-sounds", true}, {"theme-name", "Yaru"}}
            << QStringList{"bell in Yaru"};
        QTest::newRow("event sounds off")
            << true << QVariantMap{{"event-sounds", false}, {"theme-name", "Yaru"}}
            << QStringList{};
    }

    // State: the window on weston, the desktop's sound settings as given. Action: a focal
    // length that is no number. Expected: the theme's bell requested at most once, and
    // already when the box appears.
    void rejectedRequestSoundsAsTheDesktopAllows() {
        QFETCH(bool, portal);
        QFETCH(QVariantMap, soundSettings);
        QFETCH(QStringList, requested);
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeSettingsPortal settings(soundSettings);
        const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
        if (portal) {
            QVERIFY(bus.registerObject(path, &settings, QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(service));
        }
        tarvisol::ui::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WindowProbe probe(form);
        probe.type("36", "24", "abc");
        QStringList heardBeforeTheBox;
        QString boxTitle;
        ModalAnswerer answerer([&](QWidget* modal) {
            heardBeforeTheBox = requestedEvents;
            boxTitle = modal->windowTitle();
            modal->close();
        });
        probe.click("CommandOK");
        if (portal) {
            bus.unregisterService(service);
            bus.unregisterObject(path);
        }
        QVERIFY(answerer.answered() && !answerer.stuck());
        QCOMPARE(boxTitle, QStringLiteral("Fehler"));
        QCOMPARE(heardBeforeTheBox, requested);
        QCOMPARE(requestedEvents, requested);
    }
};

QTEST_MAIN(WaylandSoundTest)
#include "tst_wayland_sound.moc"
