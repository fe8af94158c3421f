// SPDX-License-Identifier: GPL-3.0-or-later
// The four commands of the main window, end to end through real message boxes and the real
// info window.

#include "ExpectedTexts.h"
#include "WindowProbe.h"
#include "WindowTest.h"
#include "desktop/DesktopWarningSound.h"
#ifndef Q_OS_WIN
#include "desktop/linux/CanberraPlayer.h"
#endif

#include <QElapsedTimer>
#include <QtTest>

using tarvisol::ui::Form1;

using expected::workedExampleLabel;
using expected::workedExampleLine;

class Form1CommandsTest : public WindowTest {
    Q_OBJECT

private slots:
    // State: fresh window with its initial texts. Action: "hinzufügen", then "Liste".
    // Expected: one field with its label, and the list line of the worked example.
    void typicalRequestEndToEnd() {
        Form1 form(sound);
        QVERIFY(shown(form));
        WindowProbe probe(form);
        probe.type("36", "24", "50");
        probe.click("CommandOK");
        QCOMPARE(form.Z(), 1);
        QCOMPARE(form.drawnLabels(), QStringList{workedExampleLabel});

        bool answered = false;
        const QString list = probe.infoText("CommandListe", &answered);
        QVERIFY(answered);
        QCOMPARE(form.iTxt, QStringLiteral("l"));
        QCOMPARE(list, workedExampleLine + "\n");
    }

    void rejectedRequestsShowTheirBox_data() {
        const QString& notNumeric = expected::notNumeric;
        const QString outOfRange =
            QStringLiteral("Falsche Werteingabe. Filmformat 5 - 1000 mm, Brennw. 10 - 5000 mm.");
        addTextRows({"width", "height", "focalLength", "message"},
                    {{"empty width", "", "24", "50", notNumeric},
                     {"letters before range", "abc", "2000", "50", notNumeric},
                     {"unit", "36 mm", "24", "50", notNumeric},
                     {"width too small", "4.99", "24", "50", outOfRange},
                     {"focal length too long", "36", "24", "5000,5", outOfRange},
                     {"grouped thousand", "36", "24", "1,000", outOfRange}});
    }

    // State: one field drawn. Action: a bad request. Expected: an error box, the drawing and
    // the table as they were, and the typed texts untouched.
    void rejectedRequestsShowTheirBox() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, focalLength);
        QFETCH(QString, message);
        Form1 form(sound);
        form.show();
        WindowProbe probe(form);
        probe.click("CommandOK");
        probe.type(width, height, focalLength);
        bool answered = false;
        const SeenBox box = probe.clickAndAnswer("CommandOK", QMessageBox::Ok, &answered);
        QVERIFY(answered);
        QCOMPARE(box.text, message);
        QCOMPARE(box.title, QStringLiteral("Fehler"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(form.Z(), 1);
        QCOMPARE(form.drawnLabels(), QStringList{workedExampleLabel});
        QCOMPARE(probe.box("TextFilmQ")->text(), width);
        QCOMPARE(probe.box("TextFilmH")->text(), height);
        QCOMPARE(probe.box("TextBrennw")->text(), focalLength);
    }

    void warningSoundSuitsTheWindowSystem_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("focalLength");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("heardThenSeen");
        // Only this library's absence is heard: a real one would play in earnest.
        QTest::addColumn<QString>("soundLibrary");
        // The window system's own bell, which the X11 test hears.
        const QStringList noThemeSound{"box Fehler"};
#ifdef Q_OS_WIN
        // Windows has its bell on every platform plugin and no theme sounds to stand in.
        QTest::newRow("Windows' own platform: no theme sound")
            << "windows"
            << "abc"
            << "CommandOK" << noThemeSound << QString();
        QTest::newRow("Wayland's name changes nothing") << "wayland"
                                                        << "abc"
                                                        << "CommandOK" << noThemeSound << QString();
        QTest::newRow("offscreen") << "offscreen"
                                   << "abc"
                                   << "CommandOK" << noThemeSound << QString();
#else
        const QStringList themeBell{"bell in freedesktop", "box Fehler"};
        QTest::newRow("X11 rings its bell") << "xcb"
                                            << "abc"
                                            << "CommandOK" << noThemeSound << QString();
        QTest::newRow("Wayland has none") << "wayland"
                                          << "abc"
                                          << "CommandOK" << themeBell << QString();
        QTest::newRow("Wayland through EGL") << "wayland-egl"
                                             << "99999"
                                             << "CommandOK" << themeBell << QString();
        // Qt's silent bell: nobody listens to a window drawn without a screen.
        QTest::newRow("offscreen") << "offscreen"
                                   << "abc"
                                   << "CommandOK" << noThemeSound << QString();
        QTest::newRow("a question makes no sound")
            << "wayland"
            << "50"
            << "CommandDel" << QStringList{"box löschen"} << QString();
        QTest::newRow("Wayland without the sound library")
            << "wayland"
            << "abc"
            << "CommandOK" << QStringList{"box Fehler"} << "tarvisol-no-such-sound-library";
#endif
    }

    // State: the window on the given window system. Action: a rejected request, or "löschen".
    // Expected: at most one theme sound, of the kind the window system needs, already asked
    // for while the box is up.
    void warningSoundSuitsTheWindowSystem() {
        QFETCH(QString, platform);
        QFETCH(QString, focalLength);
        QFETCH(QString, command);
        QFETCH(QStringList, heardThenSeen);
        QFETCH(QString, soundLibrary);
        HeardSounds player;
        std::unique_ptr<tarvisol::desktop::ThemeSoundPlayer> chosen =
            std::make_unique<RecordingPlayer>(player);
#ifndef Q_OS_WIN
        if (!soundLibrary.isEmpty()) {
            chosen = std::make_unique<tarvisol::desktop::CanberraPlayer>(soundLibrary);
        }
#endif
        tarvisol::desktop::DesktopWarningSound desktopSound(platform, std::move(chosen));
        Form1 form(desktopSound);
        WindowProbe probe(form);
        probe.type("36", "24", focalLength);
        const qsizetype soundsExpected = heardThenSeen.size() - 1;
        QStringList log;
        ModalAnswerer answerer([&](QWidget* modal) {
            // The sound plays on a thread of its own, so it may reach the player a moment
            // after the box; a sound that should not come is given the same moment.
            (void)QTest::qWaitFor([&] { return player.heard().size() >= soundsExpected; }, 2000);
            if (soundsExpected == 0) {
                QTest::qWait(100);
            }
            log = player.heard();
            log.append(QStringLiteral("box ") + modal->windowTitle());
            modal->close();
        });
        probe.click(qPrintable(command));
        QVERIFY(answerer.answered() && !answerer.stuck());
        QCOMPARE(log, heardThenSeen);
        QCOMPARE(player.heard().size(), soundsExpected);
    }

#ifndef Q_OS_WIN
    // State: a theme sound that holds its thread for 10 s, as a sound server that accepts the
    // connection and never answers does. Action: three mistakes in a row. Expected: each box
    // within 100 ms of its click, from a window that goes on answering; the sounds asked for
    // meanwhile do not pile up: one waits, the rest are dropped.
    void stuckSoundNeverHoldsTheBox() {
        HeardSounds player(10000);
        tarvisol::desktop::DesktopWarningSound desktopSound(
            QStringLiteral("wayland"), std::make_unique<RecordingPlayer>(player));
        Form1 form(desktopSound);
        WindowProbe probe(form);
        probe.type("36", "24", "abc");
        for (int mistake = 1; mistake <= 3; ++mistake) {
            QElapsedTimer clock;
            qint64 boxAfterMs = -1;
            ModalAnswerer answerer([&](QWidget* modal) {
                boxAfterMs = clock.elapsed();
                modal->close();
            });
            clock.start();
            probe.click("CommandOK");
            QVERIFY(answerer.answered() && !answerer.stuck());
            QVERIFY2(boxAfterMs <= 100, qPrintable(QString::number(boxAfterMs) + " ms"));
        }
        QTRY_COMPARE(player.heard().size(), 1);
        player.release();
        QTRY_COMPARE(player.heard().size(), 2);
        player.release();
        QTest::qWait(100);
        QCOMPARE(player.heard().size(), 2);
    }
#endif

    // The same combination again is found: nothing stored, no box, drawn again.
    void sameCombinationTwiceStoresOnce() {
        Form1 form(sound);
        WindowProbe probe(form);
        probe.click("CommandOK");
        probe.type(" 36,0 ", "24.", "+50");
        probe.click("CommandOK");
        QCOMPARE(form.Z(), 1);
        QCOMPARE(form.drawnLabels().size(), 1);
    }

    void deleteAnsweredCancelKeepsEverything() {
        Form1 form(sound);
        WindowProbe probe(form);
        probe.click("CommandOK");
        bool answered = false;
        const SeenBox box = probe.clickAndAnswer("CommandDel", QMessageBox::Cancel, &answered);
        QVERIFY(answered);
        QCOMPARE(box.title, QStringLiteral("löschen"));
        QCOMPARE(box.text, QStringLiteral("Die Liste und alle Einträge wirklich löschen?"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.defaultButton, QMessageBox::Ok);
        QCOMPARE(form.Z(), 1);
        QCOMPARE(form.drawnLabels(), QStringList{workedExampleLabel});
    }

    // After a confirmed "löschen" the list is empty, and an earlier combination comes back as
    // entry 1.
    void deleteAnsweredOkClearsDrawingAndTable() {
        Form1 form(sound);
        WindowProbe probe(form);
        probe.click("CommandOK");
        probe.type("24", "36", "50");
        probe.click("CommandOK");
        bool answered = false;
        probe.clickAndAnswer("CommandDel", QMessageBox::Ok, &answered);
        QVERIFY(answered);
        QCOMPARE(form.Z(), 0);
        QVERIFY(form.drawnLabels().isEmpty());
        QCOMPARE(probe.infoText("CommandListe"), QString());

        probe.type("36", "24", "50");
        probe.click("CommandOK");
        QCOMPARE(form.Z(), 1);
        QCOMPARE(probe.infoText("CommandListe"), workedExampleLine + "\n");
    }

    // Each showing reads iTxt afresh: help, then list, then help again.
    void helpThenListEachShowTheirOwnText() {
        Form1 form(sound);
        WindowProbe probe(form);
        probe.click("CommandOK");
        const QString help = probe.infoText("CommandHilfe");
        QCOMPARE(form.iTxt, QStringLiteral("h"));
        QVERIFY(help.startsWith(QStringLiteral("Tarvisol v")));
        QVERIFY(!help.contains(QStringLiteral("36x24")));
        const QString list = probe.infoText("CommandListe");
        QCOMPARE(list, workedExampleLine + "\n");
        QCOMPARE(probe.infoText("CommandHilfe"), help);
    }

    // Full table through the window: the warning, then entry 999 replaced and drawn; the new
    // entry 999 and an early one again give no box; "löschen" then empties the list. One test,
    // since filling the table through the window takes seconds.
    void fullTableWarnsAndReplacesLastEntry() {
        Form1 form(sound);
        WindowProbe probe(form);
        for (int i = 1; i <= 999; ++i) {
            probe.type(QString::number(5 + i * 0.5), "24", "50");
            probe.click("CommandOK");
        }
        QCOMPARE(form.Z(), 999);
        probe.type("36.25", "24", "50");
        bool answered = false;
        const SeenBox box = probe.clickAndAnswer("CommandOK", QMessageBox::Ok, &answered);
        QVERIFY(answered);
        QCOMPARE(box.text, QStringLiteral("Keine weiteren Daten mehr möglich."));
        QCOMPARE(form.Z(), 999);
        QCOMPARE(form.drawnLabels().size(), 999);
        QVERIFY(form.drawnLabels().last().startsWith(QStringLiteral("36.25x24 50mm / ")));
        QCOMPARE(probe.infoText("CommandListe").count('\n'), 999);

        for (const QString& width : {QStringLiteral("36,25"), QStringLiteral("5.5")}) {
            probe.type(width, "24", "50");
            answered = true;
            probe.clickAndAnswer("CommandOK", QMessageBox::Ok, &answered);
            QVERIFY2(!answered, qPrintable(width));
            QCOMPARE(form.Z(), 999);
            QVERIFY(form.drawnLabels().last().startsWith(QStringLiteral("36.25x24 50mm / ")));
        }

        probe.clickAndAnswer("CommandDel", QMessageBox::Ok, &answered);
        QVERIFY(answered);
        QCOMPARE(form.Z(), 0);
        QVERIFY(form.drawnLabels().isEmpty());
        QCOMPARE(probe.infoText("CommandListe"), QString());
    }
};

QTEST_MAIN(Form1CommandsTest)
#include "tst_form1_commands.moc"
