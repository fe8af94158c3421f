// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input through the real window: texts no user means as a number, pasted into each
// box, and window sizes far outside the usual. Whatever comes in, the window answers with its
// one error box or draws, and the entry table stays as it was.

#include "ExpectedTexts.h"
#include "WindowProbe.h"
#include "WindowTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using tarvisol::ui::Form1;

using expected::notNumeric;
using expected::workedExampleLabel;

class Form1RobustnessTest : public WindowTest {
    Q_OBJECT

private slots:
    void pastedHostileTextIsNotANumber_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        const QList<QPair<const char*, QString>> texts{
            // A line edit keeps the first 32767 characters; so many digits still exceed a double.
            {"one megabyte of digits", QString(1 << 20, QLatin1Char('5'))},
            {"one megabyte of letters", QString(1 << 20, QLatin1Char('x'))},
            {"NUL inside the number", QString::fromUtf8("3\0006", 3)},
            {"NUL after the number", QString::fromUtf8("36\000", 3)},
            {"control characters", QStringLiteral("\x01\x02\x1b[2J36\x7f")},
            {"tab inside the number", QStringLiteral("3\t6")},
            {"invalid UTF-8", QString::fromUtf8("\xff\xfe\x33\x36\xc3")},
            {"overlong UTF-8 digit", QString::fromUtf8("\xc0\xb3\x36")},
            {"Arabic-Indic digits", QStringLiteral(u"\u0663\u0666")},
            {"right-to-left mark before digits", QStringLiteral(u"\u200f36")},
            {"right-to-left override", QStringLiteral(u"\u202e63\u202c")},
            {"Hebrew word", QStringLiteral(u"\u05e9\u05dc\u05d5\u05dd")},
            {"fullwidth digits", QStringLiteral(u"\uff13\uff16")},
        };
        for (const char* boxName : {"TextFilmQ", "TextFilmH", "TextBrennw"}) {
            for (const auto& [name, text] : texts) {
                QTest::addRow("%s: %s", boxName, name) << QString::fromLatin1(boxName) << text;
            }
        }
    }

    // State: one field drawn, the other two boxes valid. Action: the text pasted over one box,
    // then "hinzufügen". Expected: the not-a-number box, the table and drawing unchanged, and
    // the box keeping what was pasted.
    void pastedHostileTextIsNotANumber() {
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        Form1 form(sound);
        WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        QCOMPARE(form.Z(), 1);

        QLineEdit* box = probe.box(boxName.toLatin1().constData());
        QVERIFY(box);
        QGuiApplication::clipboard()->setText(text);
        box->selectAll();
        box->paste();
        const QString pasted = box->text();
        QVERIFY(!pasted.isEmpty());
        QVERIFY(text.startsWith(pasted));

        bool answered = false;
        const SeenBox seen = probe.clickAndAnswer("CommandOK", QMessageBox::Ok, &answered);
        QVERIFY(answered);
        QCOMPARE(seen.text, notNumeric);
        QCOMPARE(seen.title, QStringLiteral("Fehler"));
        QCOMPARE(form.Z(), 1);
        QCOMPARE(form.Liste.value(tarvisol::EntryTable::Width, 1), 36.0);
        QCOMPARE(form.drawnLabels(), QStringList{workedExampleLabel});
        QCOMPARE(box->text(), pasted);
    }

    void extremeWindowSizeThenAdd_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1 x 1 pixel") << QSize(1, 1);
        QTest::newRow("8000 x 8000 pixels") << QSize(8000, 8000);
    }

    // State: two fields drawn at the initial size. Action: the window resized, "hinzufügen"
    // with the first combination again, then a repaint. Expected: no box, nothing stored,
    // both fields drawn again at the new size (with a zero or negative scale on the tiny
    // window), and painting them does not fail.
    void extremeWindowSizeThenAdd() {
        QFETCH(QSize, size);
        Form1 form(sound);
        WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        probe.type("24", "36", "200");
        probe.click("CommandOK");

        form.resize(size);
        QTRY_COMPARE(form.size(), size);
        probe.type("36", "24", "50");
        bool answered = true;
        probe.clickAndAnswer("CommandOK", QMessageBox::Ok, &answered);
        QVERIFY(!answered);
        QCOMPARE(form.Z(), 2);
        QCOMPARE(form.drawnLabels(),
                 (QStringList{workedExampleLabel, QStringLiteral("24x36 200mm / 6.9x10.3°")}));
        form.repaint();
    }
};

QTEST_MAIN(Form1RobustnessTest)
#include "tst_form1_robustness.moc"
