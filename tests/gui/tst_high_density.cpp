// The drawing on a screen with two device pixels to the logical pixel (run with
// QT_SCALE_FACTOR=2): the same fields in the same twips as at scale 1, their outlines on whole
// device pixels without grey seams.

#include "WindowProbe.h"

#include <QtTest>
#include <cmath>

using tarvisol::ui::Form1;

namespace {

// Twips per device pixel at 96 logical dpi and a device pixel ratio of 2.
constexpr double twipsPerDevicePixel = 7.5;

int device(double twips) {
    return int(std::lround(twips / twipsPerDevicePixel));
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    // Every other check here means something only at scale 2.
    void runsAtScaleTwo() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        // Twips are converted with the logical dpi, so the window keeps its logical size.
        QCOMPARE(form.logicalDpiX(), 96);
        QCOMPARE(form.logicalDpiY(), 96);
        QCOMPARE(form.size(), QSize(669, 495));
    }

    // The worked example, corner (304.6, 900), 9425.777 x 6425 twips: each edge is two device
    // pixels of pure ink, and the pixels beside it pure background.
    void outlineIsCrispOnDevicePixels() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WindowProbe(form).click("CommandOK");
        QCOMPARE(form.drawnLabels(), QStringList{QStringLiteral("36x24 50mm / 39.6x27.0°")});

        const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(1338, 990));
        const QRgb ink = form.palette().color(QPalette::WindowText).rgb();
        const QRgb paper = form.palette().color(QPalette::Window).rgb();
        const int left = device(304.6);
        const int top = device(900);
        const int right = device(304.6 + 9425.777);
        const int bottom = device(900 + 6425);
        QCOMPARE(QList<int>({left, top, right, bottom}), QList<int>({41, 120, 1297, 977}));

        // A row through the middle crosses the two side edges and nothing else.
        const int midRow = 600;
        for (int x = 0; x < image.width(); ++x) {
            const bool onEdge = x == left || x == left + 1 || x == right || x == right + 1;
            QVERIFY2(image.pixel(x, midRow) == (onEdge ? ink : paper),
                     qPrintable(QString("x=%1: %2").arg(x).arg(image.pixel(x, midRow), 0, 16)));
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
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WindowProbe(form).click("CommandOK");
        const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb paper = form.palette().color(QPalette::Window).rgb();
        // Text pixels of any shade between the field's top edge and the next 20 logical pixels.
        int leftmost = image.width();
        int rightmost = -1;
        int lowest = -1;
        for (int y = 122; y < 122 + 40; ++y) {
            for (int x = 43; x < 1297; ++x) {
                if (image.pixel(x, y) != paper) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                    lowest = std::max(lowest, y);
                }
            }
        }
        QVERIFY2(rightmost > leftmost, "no label found under the top edge");
        const double centre = (leftmost + rightmost + 1) / 2.0;
        QVERIFY2(std::abs(centre - 1338 / 2.0) <= 5, qPrintable(QString::number(centre)));
        QVERIFY2(lowest < 122 + 39, "the label runs on below the searched band");
    }
};

QTEST_MAIN(HighDensityTest)
#include "tst_high_density.moc"
