// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing on a screen with two device pixels to the logical pixel (run with
// QT_SCALE_FACTOR=2): the same fields in the same twips as at scale 1, their outlines on whole
// device pixels without grey seams.

#include "ExpectedTexts.h"
#include "WindowProbe.h"
#include "WindowTest.h"

#include <QtTest>
#include <cmath>

using tarvisol::ui::Form1;

namespace {

// The worked example's outline in device pixels: its corners (304.6, 900) and
// (9730.4, 7325) twips at 7.5 twips per device pixel (96 logical dpi, ratio 2), rounded.
constexpr QRect workedExampleOutline(QPoint(41, 120), QPoint(1297, 977));

} // namespace

class HighDensityTest : public WindowTest {
    Q_OBJECT

private slots:
    // Every other check here means something only at scale 2.
    void runsAtScaleTwo() {
        Form1 form(sound);
        QVERIFY(shown(form));
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        // Twips are converted with the logical dpi, so the window keeps its logical size.
        QCOMPARE(form.logicalDpiX(), 96);
        QCOMPARE(form.logicalDpiY(), 96);
        QCOMPARE(form.size(), geometry::initialSize);
    }

    // The worked example, corner (304.6, 900), 9425.777 x 6425 twips: each edge is two device
    // pixels of pure ink, and the pixels beside it pure background.
    void outlineIsCrispOnDevicePixels() {
        Form1 form(sound);
        QVERIFY(WindowProbe(form).showWorkedExample());
        QCOMPARE(form.drawnLabels(), QStringList{expected::workedExampleLabel});

        const WindowProbe probe(form);
        const QImage image = probe.picture();
        QCOMPARE(image.size(), geometry::initialSize * 2);
        const QRgb ink = probe.ink();
        const QRgb paper = probe.paper();
        const int left = workedExampleOutline.left();
        const int top = workedExampleOutline.top();
        const int right = workedExampleOutline.right();
        const int bottom = workedExampleOutline.bottom();

        // A row through the middle crosses the two side edges and nothing else.
        const int midRow = 600;
        for (int x = 0; x < image.width(); ++x) {
            const bool onEdge = x == left || x == left + 1 || x == right || x == right + 1;
            QVERIFY2(image.pixel(x, midRow) == (onEdge ? ink : paper),
                     qPrintable(QString("x=%1: %2").arg(x).arg(image.pixel(x, midRow), 0, 16)));
        }
        // Both sides run down to the bottom edge's lower row: no notch above the corners.
        for (int y = top; y <= bottom + 1; ++y) {
            for (const int x : {left, left + 1, right, right + 1}) {
                QVERIFY2(image.pixel(x, y) == ink, qPrintable(QString("x=%1 y=%2").arg(x).arg(y)));
            }
        }
        // A column left of the label crosses the top and the bottom edge, below the frame.
        const int column = 200;
        for (int y = top - 20; y < image.height(); ++y) {
            const bool onEdge = y == top || y == top + 1 || y == bottom || y == bottom + 1;
            QVERIFY2(image.pixel(column, y) == (onEdge ? ink : paper),
                     qPrintable(QString("y=%1: %2").arg(y).arg(image.pixel(column, y), 0, 16)));
        }
    }

    // The label is printed inside its field and inside the window.
    void labelStaysInsideItsField() {
        Form1 form(sound);
        const WindowProbe probe(form);
        QVERIFY(probe.showWorkedExample());
        // Text pixels of any shade between the field's top edge and the next 20 logical pixels.
        const int bandTop = workedExampleOutline.top() + 2;
        const QRect band(QPoint(workedExampleOutline.left() + 2, bandTop),
                         QPoint(workedExampleOutline.right() - 1, bandTop + 39));
        const QRgb paper = probe.paper();
        const QRect text =
            inkBounds(probe.picture(), band, [paper](QRgb pixel) { return pixel != paper; });
        QVERIFY2(text.width() > 1, "no label found under the top edge");
        const double centre = (text.left() + text.right() + 1) / 2.0;
        QVERIFY2(std::abs(centre - geometry::initialSize.width()) <= 5,
                 qPrintable(QString::number(centre)));
        QVERIFY2(text.bottom() < band.bottom(), "the label runs on below the searched band");
    }
};

QTEST_MAIN(HighDensityTest)
#include "tst_high_density.moc"
