// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it first appears: its controls, their texts, places and order.

#include "ExpectedTexts.h"
#include "WindowProbe.h"
#include "WindowTest.h"
#include "desktop/AppIcon.h"
#include "desktop/CaptionFamilies.h"
#include "ui/CaptionFont.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QtTest>
#include <algorithm>
#include <cmath>

using tarvisol::ui::Form1;

class Form1LayoutTest : public WindowTest {
    Q_OBJECT

private slots:
    void windowHasCaptionAndInitialClientSize() {
        Form1 form(sound);
        QVERIFY(shown(form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarvisol"));
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.size(), geometry::initialSize);
        QCOMPARE(form.Z(), 0);
        QVERIFY(form.iTxt.isEmpty());
        QVERIFY(form.Liste.isDimensioned());
    }

    void controlsHaveTheirTextsAndTooltips_data() {
        addTextRows({"name", "text", "tooltip"},
                    {{"TextFilmQ", "TextFilmQ", "36", ""},
                     {"TextFilmH", "TextFilmH", "24", ""},
                     {"TextBrennw", "TextBrennw", "50", ""},
                     {"Label2", "Label2", "x", ""},
                     {"CommandOK", "CommandOK", "hinzufügen", expected::tooltip::commandOK},
                     {"CommandListe", "CommandListe", "Liste", expected::tooltip::commandListe},
                     {"CommandDel", "CommandDel", "löschen", expected::tooltip::commandDel},
                     {"CommandHilfe", "CommandHilfe", "?", expected::tooltip::commandHilfe}});
    }

    void controlsHaveTheirTextsAndTooltips() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        Form1 form(sound);
        QWidget* control = form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->property("text").toString(), text);
        QCOMPARE(control->toolTip(), tooltip);
    }

    // State: window shown (its first activation). Expected: the two-line captions.
    void activationGivesTwoLineCaptions() {
        Form1 form(sound);
        WindowProbe probe(form);
        QCOMPARE(probe.control<QLabel>("Label1")->text(), QStringLiteral("Film-/Chipformat:"));
        QVERIFY(shown(form));
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
        Form1 form(sound);
        const QRect actual = form.findChild<QWidget*>(name)->geometry();
        // Each edge within one pixel of its exact place.
        constexpr int px = geometry::twipsPerPixel;
        const int edges[][2]{{actual.left() * px, twips.left()},
                             {actual.top() * px, twips.top()},
                             {(actual.left() + actual.width()) * px, twips.left() + twips.width()},
                             {(actual.top() + actual.height()) * px, twips.top() + twips.height()}};
        for (const auto& [at, exact] : edges) {
            QVERIFY2(std::abs(at - exact) <= px, qPrintable(name));
        }
    }

    // Every caption shows whole inside its control, and the controls inside the frame.
    void captionsFitTheirControls() {
        Form1 form(sound);
        QVERIFY(shown(form));
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
        }
        // The platform's first caption family is there wherever the tool runs: the Linux
        // package depends on the narrow one, at which every caption fits at the full 8 points;
        // Windows ships Tahoma.
        const QString family = tarvisol::desktop::captionFamilies().constFirst();
        QVERIFY2(
            QFontDatabase::families().contains(family),
            qPrintable(family + QStringLiteral(" is missing: ") + expected::captionFamilySource));
        const double size = probe.control<QLabel>("Label1")->font().pointSizeF();
        if (expected::captionPointSize) {
            QCOMPARE(size, *expected::captionPointSize);
        }
        for (QWidget* control : frame->findChildren<QWidget*>()) {
            QCOMPARE(QFontInfo(control->font()).family(), family);
            QCOMPARE(control->font().pointSizeF(), size);
        }
        QVERIFY(probe.control<QLabel>("Label2")->geometry().right() <
                probe.box("TextFilmH")->geometry().left());
        for (const char* name : {"CommandOK", "CommandListe", "CommandDel", "CommandHilfe"}) {
            auto* button = probe.button(name);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     name);
        }
    }

    // A room cut to the two-line caption at one size (its width and its height each taken at
    // their own size) gets the largest size that fits, up to 8 points and never below 6: at
    // least the size the room was cut for, and one step larger no longer fits. Hinting lets
    // neighbouring sizes draw alike, so the fitted size may exceed the one the room was cut for.
    void captionFontIsTheLargestThatFits_data() {
        QTest::addColumn<double>("widthAt");
        QTest::addColumn<double>("heightAt");
        QTest::newRow("room to spare stays at 8") << 10.0 << 10.0;
        QTest::newRow("width for 7.5") << 7.5 << 10.0;
        QTest::newRow("width for 7") << 7.0 << 10.0;
        QTest::newRow("height for 7") << 10.0 << 7.0;
        QTest::newRow("no room for 6 stays at 6") << 5.0 << 5.0;
    }

    void captionFontIsTheLargestThatFits() {
        QFETCH(double, widthAt);
        QFETCH(double, heightAt);
        const QString firstLine = QStringLiteral("Objektivbrennweite:");
        const QString caption = firstLine + QStringLiteral("\n(mm)");
        QFont font = tarvisol::ui::captionFont(QApplication::font(), {{caption, 10000, 10000}});
        auto metricsAt = [&font](double points) {
            font.setPointSizeF(points);
            return QFontMetricsF(font);
        };
        const int width = int(std::ceil(metricsAt(widthAt).horizontalAdvance(firstLine)));
        const int height = int(std::ceil(2 * metricsAt(heightAt).lineSpacing()));
        auto fitsAt = [&](double points) {
            const QFontMetricsF metrics = metricsAt(points);
            return metrics.horizontalAdvance(firstLine) <= width &&
                   2 * metrics.lineSpacing() <= height;
        };
        const double fitted =
            tarvisol::ui::captionFont(QApplication::font(), {{caption, width, height}})
                .pointSizeF();
        QVERIFY2(fitted >= std::clamp(std::min(widthAt, heightAt), 6.0, 8.0),
                 qPrintable(QString::number(fitted)));
        QVERIFY2(fitted == 6.0 || fitsAt(fitted), qPrintable(QString::number(fitted)));
        QVERIFY2(fitted == 8.0 || !fitsAt(fitted + 0.25), qPrintable(QString::number(fitted)));
    }

    // State: focus in the first box. Action: Tab through the row. Expected: the stored order.
    void tabVisitsTheRowInOrder() {
        Form1 form(sound);
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
        Form1 form(sound);
        QVERIFY(shown(form));
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

    // The window icon's files are read when its pixels are first asked for, not when it is
    // made (Qt 6.4 reads them at once): a file changed in between shows its new content.
    void iconFilesAreReadAtTheFirstPaint() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("icon-16.png"));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(file));
        const QIcon icon = tarvisol::desktop::iconFromFiles(folder.path());
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        image.fill(Qt::blue);
        QVERIFY(image.save(file));
        QCOMPARE(icon.pixmap(QSize(16, 16)).toImage().pixel(8, 8), QColor(Qt::blue).rgb());
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "tst_form1_layout.moc"
