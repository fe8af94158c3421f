// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing as pixels: where the outlines land, and that the picture is kept on repaint.

#include "TestTables.h"
#include "WindowProbe.h"
#include "WindowTest.h"
#include "core/FieldLayout.h"
#include "ui/RetainedCanvas.h"

#include <QtTest>
#include <cmath>

using tarvisol::ui::Form1;

namespace {

using geometry::twipsPerPixel;
using geometry::workedExampleOutline;

QRect toPixels(const tarvisol::FieldRectangle& r) {
    auto px = [](double twips) { return int(std::lround(twips / twipsPerPixel)); };
    return {QPoint(px(r.x), px(r.y)),
            QPoint(px(double(r.x) + r.width), px(double(r.y) + r.height))};
}

bool isInk(const QImage& image, int x, int y, QRgb ink) {
    return image.pixel(x, y) == ink;
}

// Checks the whole outline lies on the given pixels, the sides down to the bottom corners, and
// its neighbours just outside do not, away from the label at the top centre.
void verifyOutline(const QImage& image, QRgb ink, const QRect& box) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QVERIFY2(isInk(image, box.left(), y, ink), qPrintable(QString("left edge y=%1").arg(y)));
        QVERIFY2(isInk(image, box.right(), y, ink), qPrintable(QString("right edge y=%1").arg(y)));
    }
    for (int y = box.top() + 15; y <= box.bottom() - 5; y += 7) {
        QVERIFY(!isInk(image, box.left() - 1, y, ink));
        QVERIFY(!isInk(image, box.left() + 1, y, ink));
        QVERIFY(!isInk(image, box.right() - 1, y, ink));
        QVERIFY(!isInk(image, box.right() + 1, y, ink));
    }
    for (int x = box.left() + 5; x <= box.left() + 60; x += 5) {
        QVERIFY2(isInk(image, x, box.top(), ink), qPrintable(QString("top edge x=%1").arg(x)));
        QVERIFY(!isInk(image, x, box.top() - 1, ink));
        QVERIFY(!isInk(image, x, box.top() + 1, ink));
    }
    for (int x = box.left() + 5; x <= box.right() - 5; x += 9) {
        QVERIFY2(isInk(image, x, box.bottom(), ink), qPrintable(QString("bottom x=%1").arg(x)));
        QVERIFY(!isInk(image, x, box.bottom() + 1, ink));
        QVERIFY(!isInk(image, x, box.bottom() - 1, ink));
    }
    for (int x = box.right() - 60; x <= box.right(); x += 5) {
        QVERIFY2(isInk(image, x, box.top(), ink), qPrintable(QString("top edge x=%1").arg(x)));
    }
    // Each corner is closed, and no line runs on past it.
    const struct {
        QPoint corner;
        QPoint outward;
    } corners[] = {{box.topLeft(), {-1, -1}},
                   {box.topRight(), {1, -1}},
                   {box.bottomLeft(), {-1, 1}},
                   {box.bottomRight(), {1, 1}}};
    for (const auto& [corner, outward] : corners) {
        const QString at = QString("corner %1,%2").arg(corner.x()).arg(corner.y());
        QVERIFY2(isInk(image, corner.x(), corner.y(), ink), qPrintable(at));
        QVERIFY2(!isInk(image, corner.x() + outward.x(), corner.y(), ink), qPrintable(at));
        QVERIFY2(!isInk(image, corner.x(), corner.y() + outward.y(), ink), qPrintable(at));
    }
}

} // namespace

class Form1DrawingTest : public WindowTest {
    Q_OBJECT

private slots:
    // The worked example: corner (304.6, 900), 9425.777 x 6425 twips.
    void workedExampleOutlineLiesOnItsPixels() {
        Form1 form(sound);
        const WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        const QImage image = probe.picture();
        verifyOutline(image, probe.ink(), workedExampleOutline);
        // The inside is not painted.
        QCOMPARE(image.pixel(300, 300), probe.paper());
    }

    // The label stands on the top edge, centred on the window's centre.
    void labelIsPrintedCentredBelowTheTopEdge() {
        Form1 form(sound);
        const WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        const QImage image = probe.picture();
        const QFontMetrics metrics(form.font());
        QRect band = workedExampleOutline.adjusted(1, 2, -2, 0);
        band.setBottom(workedExampleOutline.top() - 1 + metrics.height());
        const QRect text = inkBounds(image, band, [](QRgb pixel) { return qGray(pixel) < 128; });
        QVERIFY(text.width() > 1);
        const double centre = (text.left() + text.right() + 1) / 2.0;
        const int middle = geometry::initialSize.width() / 2;
        QVERIFY2(std::abs(centre - (middle + 0.5)) <= 2.5, qPrintable(QString::number(centre)));
        QVERIFY(!isInk(image, middle, workedExampleOutline.top() - 1, probe.ink()));
    }

    // Each label is centred by its measured width, so the canvas must measure exactly the
    // advance of the text in the window's font, whatever way it lays the text out.
    void labelWidthIsTheFontsAdvance_data() {
        QTest::addColumn<QString>("label");
        QTest::newRow("worked example") << QStringLiteral("36x24 50mm / 39.6x27.0°");
        QTest::newRow("comma") << QStringLiteral("23,6x15,7 35mm / 37,3x25,3°");
        QTest::newRow("smallest angle") << QStringLiteral("5x5 5000mm / .1x.1°");
        QTest::newRow("long") << QStringLiteral("999.99999x999.99999 4999.9999mm / 175.7x175.7°");
    }
    void labelWidthIsTheFontsAdvance() {
        QFETCH(QString, label);
        QWidget area;
        area.resize(geometry::initialSize);
        tarvisol::ui::RetainedCanvas canvas(area);
        canvas.clear();
        const double expected = QFontMetricsF(area.font()).horizontalAdvance(label) * twipsPerPixel;
        const double measured = canvas.textWidth(label.toStdString());
        QVERIFY2(std::abs(measured - expected) < 0.01,
                 qPrintable(QStringLiteral("%1 against %2").arg(measured).arg(expected)));
        canvas.printText(label.toStdString());
        // A text printed without being measured first is laid out all the same.
        canvas.printText("5x5");
        QCOMPARE(canvas.printedTexts(), (QStringList{label, QStringLiteral("5x5")}));
    }

    void labelsKeptFromTheDrawingBeforeMatchFreshOnes_data() {
        QTest::addColumn<double>("fontGrowth");
        QTest::newRow("same font") << 1.0;
        QTest::newRow("after a font change") << 1.5;
    }
    // State: two fields drawn, then the window's font changed by the given factor. Action: a
    // third field drawn, reusing the labels of the first two where it may. Expected: the very
    // picture a window shows that draws all three at once in its final font.
    void labelsKeptFromTheDrawingBeforeMatchFreshOnes() {
        QFETCH(double, fontGrowth);
        using tarvisol::testing::tableOf;
        Form1 redrawn(sound);
        redrawn.Liste = tableOf({{36, 24, 50}, {24, 36, 35}});
        redrawn.Zeichnen();
        QFont font = redrawn.font();
        font.setPointSizeF(font.pointSizeF() * fontGrowth);
        redrawn.setFont(font);
        redrawn.Liste.store(6, 6, 80);
        redrawn.Zeichnen();
        Form1 fresh(sound);
        fresh.setFont(font);
        fresh.Liste = redrawn.Liste;
        fresh.Zeichnen();
        QCOMPARE(fresh.drawnLabels().size(), 3);
        QCOMPARE(WindowProbe(redrawn).picture(), WindowProbe(fresh).picture());
    }

    // Action: resize without "hinzufügen". Expected: the picture stays as it was drawn.
    // Action: "hinzufügen". Expected: the same field drawn to the new size, nothing stored.
    void resizeKeepsPictureUntilNextAdd() {
        Form1 form(sound);
        WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());

        form.resize(900, 700);
        QTRY_COMPARE(form.size(), QSize(900, 700));
        verifyOutline(probe.picture(), probe.ink(), workedExampleOutline);

        probe.click("CommandOK");
        QCOMPARE(form.Z(), 1);
        tarvisol::EntryTable table = tarvisol::testing::tableOf({{36, 24, 50}});
        const tarvisol::FieldLayout layout(table, 900 * twipsPerPixel, 700 * twipsPerPixel);
        const QRect expected =
            toPixels(layout.rectangle(table.value(tarvisol::EntryTable::HorizontalAngle, 1),
                                      table.value(tarvisol::EntryTable::VerticalAngle, 1)));
        QCOMPARE(expected.left(), 7); // now the width decides the scale
        verifyOutline(probe.picture(), probe.ink(), expected);
    }

    // Action: new window colours (as a change of desktop theme brings). Expected: the fields
    // already drawn show in them at the next repaint, in the same places.
    void newColoursShowInTheDrawnPicture() {
        Form1 form(sound);
        const WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        verifyOutline(probe.picture(), probe.ink(), workedExampleOutline);

        QPalette colours = form.palette();
        colours.setColor(QPalette::WindowText, QColor(180, 30, 30));
        colours.setColor(QPalette::Window, QColor(240, 240, 200));
        form.setPalette(colours);
        const QImage image = probe.picture();
        verifyOutline(image, qRgb(180, 30, 30), workedExampleOutline);
        QCOMPARE(image.pixel(300, 300), qRgb(240, 240, 200));
    }

    // A window lower than the margins gives a negative scale; the field is drawn upwards
    // from the corner without trouble.
    void tinyWindowDrawsWithoutTrouble() {
        Form1 form(sound);
        form.show();
        form.resize(200, 40);
        QTRY_COMPARE(form.size(), QSize(200, 40));
        WindowProbe(form).click("CommandOK");
        QCOMPARE(form.drawnLabels().size(), 1);
        WindowProbe(form).picture(); // paints the drawing, which must neither crash nor hang
    }
};

QTEST_MAIN(Form1DrawingTest)
#include "tst_form1_drawing.moc"
