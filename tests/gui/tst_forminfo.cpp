// SPDX-License-Identifier: GPL-3.0-or-later
// The info window on its own: size, text box, and the text rebuilt at every activation.

#include "WindowProbe.h"
#include "WindowTest.h"
#include "desktop/CloseOnlyWindow.h"
#include "ui/FormInfo.h"

#include <QScrollBar>
#include <QtTest>

using tarvisol::ui::Form1;
using tarvisol::ui::FormInfo;

namespace {
QPlainTextEdit* textInfo(FormInfo& info) {
    return info.findChild<QPlainTextEdit*>(QStringLiteral("TextInfo"));
}
} // namespace

class FormInfoTest : public WindowTest {
    Q_OBJECT

private slots:
    void hasFixedSizeAndItsTextBox() {
        Form1 form(sound);
        FormInfo info(form);
        QCOMPARE(info.windowTitle(), QStringLiteral("Info"));
        QCOMPARE(info.objectName(), QStringLiteral("FormInfo"));
        // 6285 x 5370 twips, and the user cannot resize it.
        QCOMPARE(info.size(), QSize(419, 358));
        QCOMPARE(info.minimumSize(), info.maximumSize());
        QVERIFY(info.isModal());
        // A close control and nothing else: the hints are only honoured with Customize set, and
        // no minimise, maximise or help button is asked for. Qt adds the system menu itself
        // except on Windows, where a dialog's close button comes without one.
        const Qt::WindowFlags flags = info.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QCOMPARE(flags & ~(Qt::WindowType_Mask | Qt::WindowSystemMenuHint),
                 Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                     Qt::MSWindowsFixedSizeDialogHint);
        QPlainTextEdit* text = textInfo(info);
        QVERIFY(text);
        QCOMPARE(text->geometry(), QRect(8, 8, 401, 337));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    // Openbox heeds the flags' Motif hints only in part: it keeps minimise (and draws a dead
    // maximise button beside it) on any dialog and drops both for a toolbar window alone. Every
    // other window manager gets Qt's types unchanged.
    void windowTypesNamedAheadOfQts_data() {
        QTest::addColumn<QString>("windowManager");
        QTest::addColumn<QByteArrayList>("types");
        QTest::newRow("openbox") << "Openbox" << QByteArrayList{"_NET_WM_WINDOW_TYPE_TOOLBAR"};
        QTest::newRow("mutter") << "GNOME Shell" << QByteArrayList{};
        QTest::newRow("kwin") << "KWin" << QByteArrayList{};
        QTest::newRow("no window manager") << "" << QByteArrayList{};
    }

    void windowTypesNamedAheadOfQts() {
        QFETCH(QString, windowManager);
        QFETCH(QByteArrayList, types);
        QCOMPARE(tarvisol::desktop::closeOnlyWindowTypes(windowManager), types);
    }

    void modeSelectsTheText_data() {
        addTextRows({"mode", "start"}, {{"help", "h", "Tarvisol v"},
                                        {"list", "l", "36x24\t50\t"},
                                        {"empty", "", ""},
                                        {"capital", "H", ""},
                                        {"other", "x", ""}});
    }

    void modeSelectsTheText() {
        QFETCH(QString, mode);
        QFETCH(QString, start);
        Form1 form(sound);
        WindowProbe(form).click("CommandOK");
        form.iTxt = mode;
        FormInfo info(form);
        QVERIFY(shown(info));
        const QString text = textInfo(info)->toPlainText();
        QVERIFY2(text.startsWith(start), qPrintable(text.left(40)));
        if (start.isEmpty()) {
            QCOMPARE(text, QString());
        }
    }

    // Credit line 1 ends with the year of the moment of showing; the background follows the
    // window's own.
    void helpShowsTheCurrentYearOnTheWindowBackground() {
        Form1 form(sound);
        form.iTxt = QStringLiteral("h");
        FormInfo info(form);
        QPalette odd = info.palette();
        odd.setColor(QPalette::Window, QColor(200, 220, 180));
        info.setPalette(odd);
        QVERIFY(shown(info));
        const QStringList lines = textInfo(info)->toPlainText().split('\n');
        QCOMPARE(lines.size(), 22); // 21 line breaks
        QVERIFY(lines[2].endsWith(QString::number(QDate::currentDate().year())));
        QCOMPARE(textInfo(info)->palette().color(QPalette::Base), QColor(200, 220, 180));
    }

    // A reactivation replaces the whole text and shows it from the top.
    void everyActivationRebuildsTheWholeText() {
        Form1 form(sound);
        WindowProbe probe(form);
        for (int i = 0; i < 60; ++i) {
            probe.type(QString::number(10 + i), "24", "50");
            probe.click("CommandOK");
        }
        form.iTxt = QStringLiteral("l");
        FormInfo info(form);
        QVERIFY(shown(info));
        QPlainTextEdit* text = textInfo(info);
        QCOMPARE(text->toPlainText().count('\n'), 60);
        QVERIFY(text->verticalScrollBar()->maximum() > 0); // taller than the box: it scrolls
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
        text->setPlainText(QStringLiteral("left over"));

        form.iTxt = QStringLiteral("h");
        info.Form_Activate();
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("Tarvisol v")));
        QVERIFY(!text->toPlainText().contains(QStringLiteral("left over")));
        QCOMPARE(text->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(FormInfoTest)
#include "tst_forminfo.moc"
