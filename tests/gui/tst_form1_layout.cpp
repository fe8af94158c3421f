// The main window as it first appears: its controls, their texts, places and order.

#include "WindowProbe.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

using tarvisol::ui::Form1;

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void windowHasCaptionAndInitialClientSize() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarvisol"));
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        // 10035 x 7425 twips at 15 twips per pixel.
        QCOMPARE(form.size(), QSize(669, 495));
        QCOMPARE(form.Z(), 0);
        QVERIFY(form.iTxt.isEmpty());
        QVERIFY(form.Liste.isDimensioned());
    }

    void controlsHaveTheirTextsAndTooltips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("TextFilmQ") << "TextFilmQ"
                                   << "36"
                                   << "";
        QTest::newRow("TextFilmH") << "TextFilmH"
                                   << "24"
                                   << "";
        QTest::newRow("TextBrennw") << "TextBrennw"
                                    << "50"
                                    << "";
        QTest::newRow("Label2") << "Label2"
                                << "x"
                                << "";
        QTest::newRow("CommandOK") << "CommandOK"
                                   << "hinzufügen"
                                   << "Werte berechnen und einzeichnen";
        QTest::newRow("CommandListe") << "CommandListe"
                                      << "Liste"
                                      << "Liste der numerischen Werte";
        QTest::newRow("CommandDel") << "CommandDel"
                                    << "löschen"
                                    << "die Liste löschen";
        QTest::newRow("CommandHilfe") << "CommandHilfe"
                                      << "?"
                                      << "Hilfe und Programminfos";
    }

    void controlsHaveTheirTextsAndTooltips() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        Form1 form;
        QWidget* control = form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->property("text").toString(), text);
        QCOMPARE(control->toolTip(), tooltip);
    }

    // State: window shown (its first activation). Expected: the two-line captions.
    void activationGivesTwoLineCaptions() {
        Form1 form;
        WindowProbe probe(form);
        QCOMPARE(probe.control<QLabel>("Label1")->text(), QStringLiteral("Film-/Chipformat:"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(probe.control<QLabel>("Label1")->text(),
                 QStringLiteral("Film-/Chipformat:\n(mm)"));
        QCOMPARE(probe.control<QLabel>("Label3")->text(),
                 QStringLiteral("Objektivbrennweite:\n(mm)"));
    }

    void controlsSitAtTheirTwipsPositions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips"); // frame-relative, except Frame1 itself
        QTest::newRow("Frame1") << "Frame1" << QRect(120, 0, 9735, 732);
        QTest::newRow("TextFilmQ") << "TextFilmQ" << QRect(1440, 240, 492, 288);
        QTest::newRow("TextFilmH") << "TextFilmH" << QRect(2160, 240, 492, 288);
        QTest::newRow("TextBrennw") << "TextBrennw" << QRect(4440, 240, 492, 288);
        QTest::newRow("CommandOK") << "CommandOK" << QRect(5160, 240, 1092, 372);
        QTest::newRow("CommandListe") << "CommandListe" << QRect(6480, 240, 1092, 372);
        QTest::newRow("CommandDel") << "CommandDel" << QRect(7800, 240, 1092, 372);
        QTest::newRow("CommandHilfe") << "CommandHilfe" << QRect(9240, 240, 372, 372);
    }

    void controlsSitAtTheirTwipsPositions() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        Form1 form;
        const QRect actual = form.findChild<QWidget*>(name)->geometry();
        // Each edge within one pixel (15 twips) of its exact place.
        QVERIFY2(std::abs(actual.left() * 15 - twips.left()) <= 15, qPrintable(name));
        QVERIFY2(std::abs(actual.top() * 15 - twips.top()) <= 15, qPrintable(name));
        QVERIFY2(std::abs((actual.left() + actual.width()) * 15 - (twips.left() + twips.width())) <=
                     15,
                 qPrintable(name));
        QVERIFY2(std::abs((actual.top() + actual.height()) * 15 - (twips.top() + twips.height())) <=
                     15,
                 qPrintable(name));
    }

    // Every caption shows whole inside its control, and the controls inside the frame.
    void captionsFitTheirControls() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WindowProbe probe(form);
        auto* frame = probe.control<QFrame>("Frame1");
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            auto* label = probe.control<QLabel>(name);
            const QFontMetrics metrics(label->font());
            const QRect needed = metrics.boundingRect(QRect(0, 0, 10000, 10000),
                                                      Qt::AlignLeft | Qt::AlignTop, label->text());
            QVERIFY2(needed.width() <= label->width(), name);
            QVERIFY2(needed.height() <= label->height(), name);
            QVERIFY2(frame->rect().contains(label->geometry()), name);
            QVERIFY2(label->font().pointSizeF() >= 6.0, name);
        }
        QVERIFY(probe.control<QLabel>("Label2")->geometry().right() <
                probe.box("TextFilmH")->geometry().left());
        for (const char* name : {"CommandOK", "CommandListe", "CommandDel", "CommandHilfe"}) {
            auto* button = probe.button(name);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     name);
        }
    }

    // State: focus in the first box. Action: Tab through the row. Expected: the stored order.
    void tabVisitsTheRowInOrder() {
        Form1 form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        WindowProbe probe(form);
        probe.box("TextFilmQ")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), probe.box("TextFilmQ"));
        for (const char* next : {"TextFilmH", "TextBrennw", "CommandOK", "CommandListe",
                                 "CommandDel", "CommandHilfe"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    // Action: Enter in each box in turn. Expected: each press adds (the default button).
    void enterInAnyBoxAdds() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WindowProbe probe(form);
        QVERIFY(probe.button("CommandOK")->isDefault());
        int focal = 50;
        for (const char* name : {"TextFilmQ", "TextFilmH", "TextBrennw"}) {
            probe.box("TextBrennw")->setText(QString::number(focal++));
            QTest::keyClick(probe.box(name), Qt::Key_Return);
        }
        QCOMPARE(form.Z(), 3);
        QCOMPARE(form.drawnLabels().size(), 3);
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "tst_form1_layout.moc"
