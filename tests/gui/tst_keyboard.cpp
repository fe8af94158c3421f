// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the modal windows: Escape leaves the info window, and the message boxes answer
// Enter and Escape as their buttons say. Keys go to the widget that has the focus in the
// modal window, as a real key press would.

#include "WindowProbe.h"
#include "WindowTest.h"
#include "ui/QtMessageService.h"

#include <QtTest>

using tarvisol::MessageAnswer;
using tarvisol::MessageButtons;
using tarvisol::MessageIcon;
using tarvisol::ui::Form1;
using tarvisol::ui::QtMessageService;

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

namespace {

ModalAnswerer::Handler pressKey(Qt::Key key, QString* title = nullptr) {
    return [key, title](QWidget* modal) {
        if (title) {
            *title = modal->windowTitle();
        }
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, key);
    };
}

} // namespace

class KeyboardTest : public WindowTest {
    Q_OBJECT

private slots:
    // Action: "Liste", "?" or F1, then Escape. Expected: the info window shows its text and
    // closes by itself.
    void escapeClosesTheInfoWindow_data() {
        addTextRows({"button", "iTxt"},
                    {{"Liste", "CommandListe", "l"}, {"?", "CommandHilfe", "h"}, {"F1", "", "h"}});
    }

    void escapeClosesTheInfoWindow() {
        QFETCH(QString, button);
        QFETCH(QString, iTxt);
        Form1 form(sound);
        QVERIFY(shown(form));
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QString title;
        ModalAnswerer answerer(pressKey(Qt::Key_Escape, &title), 2000);
        if (button.isEmpty()) {
            QTest::keyClick(&form, Qt::Key_F1);
        } else {
            WindowProbe(form).click(qPrintable(button));
        }
        QVERIFY(answerer.answered());
        QCOMPARE(title, QStringLiteral("Info"));
        QCOMPARE(form.iTxt, iTxt);
        QVERIFY2(!answerer.stuck(), "Escape left the info window open");
    }

    // Any other key leaves it open: the watchdog has to close it.
    void otherKeysLeaveTheInfoWindowOpen() {
        Form1 form(sound);
        ModalAnswerer answerer(pressKey(Qt::Key_Space), 300);
        WindowProbe(form).click("CommandHilfe");
        QVERIFY(answerer.answered());
        QVERIFY(answerer.stuck());
    }

    void boxAnswersTheKey_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("question Return")
            << MessageButtons::OkCancel << int(Qt::Key_Return) << MessageAnswer::Ok;
        QTest::newRow("question Enter")
            << MessageButtons::OkCancel << int(Qt::Key_Enter) << MessageAnswer::Ok;
        QTest::newRow("question Escape")
            << MessageButtons::OkCancel << int(Qt::Key_Escape) << MessageAnswer::Cancel;
        QTest::newRow("error Return")
            << MessageButtons::Ok << int(Qt::Key_Return) << MessageAnswer::Ok;
        QTest::newRow("error Escape")
            << MessageButtons::Ok << int(Qt::Key_Escape) << MessageAnswer::Ok;
    }

    void boxAnswersTheKey() {
        QFETCH(MessageButtons, buttons);
        QFETCH(int, key);
        QFETCH(MessageAnswer, answer);
        QWidget owner;
        QVERIFY(shown(owner));
        QtMessageService service(&owner, sound);
        ModalAnswerer answerer(pressKey(Qt::Key(key)), 2000);
        const MessageAnswer got = service.messageBox(
            "Frage", "Titel",
            buttons == MessageButtons::OkCancel ? MessageIcon::Question : MessageIcon::Critical,
            buttons);
        QVERIFY(answerer.answered());
        QVERIFY2(!answerer.stuck(), "the key left the box open");
        QCOMPARE(got, answer);
    }

    // State: one field drawn. Action: "löschen", then a key. Expected: Enter clears, Escape
    // keeps the table and the drawing.
    void deleteQuestionByKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    }

    void deleteQuestionByKey() {
        QFETCH(int, key);
        QFETCH(bool, cleared);
        Form1 form(sound);
        WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        QCOMPARE(form.Z(), 1);
        QString title;
        ModalAnswerer answerer(pressKey(Qt::Key(key), &title), 2000);
        probe.click("CommandDel");
        QVERIFY(answerer.answered() && !answerer.stuck());
        QCOMPARE(title, QStringLiteral("löschen"));
        QCOMPARE(form.Z(), cleared ? 0 : 1);
        QCOMPARE(form.drawnLabels().isEmpty(), cleared);
    }

    // State: a focal length that is no number. Action: Enter in its box, then a key in the
    // error box. Expected: the box closes and nothing is stored.
    void errorBoxClosesByKey_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void errorBoxClosesByKey() {
        QFETCH(int, key);
        Form1 form(sound);
        QVERIFY(shown(form));
        WindowProbe probe(form);
        probe.type("36", "24", "abc");
        QString title;
        ModalAnswerer answerer(pressKey(Qt::Key(key), &title), 2000);
        QTest::keyClick(probe.box("TextBrennw"), Qt::Key_Return);
        QVERIFY(answerer.answered());
        QVERIFY2(!answerer.stuck(), "the key left the error box open");
        QCOMPARE(title, QStringLiteral("Fehler"));
        QCOMPARE(form.Z(), 0);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
