// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound on a real X server (Xvfb): a rejected request rings the window system's own
// bell, once, before the error box; the delete question rings none. The test hears the bell
// as the server reports it to any client that asks.

#include "WindowProbe.h"
#include "desktop/DesktopWarningSound.h"

#include <QtTest>
#include <X11/XKBlib.h>

class X11BellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        display_ = XOpenDisplay(nullptr);
        QVERIFY(display_);
        int opcode = 0;
        int error = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        QVERIFY(XkbQueryExtension(display_, &opcode, &xkbEvent_, &error, &major, &minor));
        QVERIFY(XkbSelectEvents(display_, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask));
        XSync(display_, False);
    }

    void cleanupTestCase() {
        if (display_) {
            XCloseDisplay(display_);
        }
    }

    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void mistakesRingTheBell_data() {
        QTest::addColumn<QString>("focalLength");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("bells");
        QTest::newRow("not a number") << "abc"
                                      << "CommandOK" << 1;
        QTest::newRow("out of range") << "99999"
                                      << "CommandOK" << 1;
        QTest::newRow("a question") << "50"
                                    << "CommandDel" << 0;
    }

    // State: the window on Xvfb. Action: a rejected request, or "löschen". Expected: the
    // server rings its bell as often as given while the box is up, and no more after.
    void mistakesRingTheBell() {
        QFETCH(QString, focalLength);
        QFETCH(QString, command);
        QFETCH(int, bells);
        tarvisol::desktop::DesktopWarningSound sound(QGuiApplication::platformName());
        tarvisol::ui::Form1 form(sound);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        rungBells(); // whatever came before
        WindowProbe probe(form);
        probe.type("36", "24", focalLength);
        int rungWhileTheBoxIsUp = 0;
        ModalAnswerer answerer([&](QWidget* modal) {
            // The server may serve the test's own connection before the tool's; a bell that
            // must not come gets the same moment to show.
            const auto heardAll = [&] {
                rungWhileTheBoxIsUp += rungBells();
                return rungWhileTheBoxIsUp >= bells && bells > 0;
            };
            (void)QTest::qWaitFor(heardAll, bells > 0 ? 2000 : 200);
            modal->close();
        });
        probe.click(qPrintable(command));
        QVERIFY(answerer.answered() && !answerer.stuck());
        QCOMPARE(rungWhileTheBoxIsUp, bells);
        QTest::qWait(100);
        QCOMPARE(rungBells(), 0);
    }

private:
    // The bells the server reported since the last call.
    int rungBells() {
        XSync(display_, False);
        int rung = 0;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == xkbEvent_ &&
                reinterpret_cast<XkbAnyEvent*>(&event)->xkb_type == XkbBellNotify) {
                ++rung;
            }
        }
        return rung;
    }

    Display* display_ = nullptr;
    int xkbEvent_ = 0;
};

QTEST_MAIN(X11BellTest)
#include "tst_x11_bell.moc"
