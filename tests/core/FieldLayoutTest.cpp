// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FieldLayout.h"

#include "RecordingCanvas.h"
#include "TestTables.h"
#include "core/Zeichnen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <string>

namespace tarvisol {
namespace {

// Double values must agree to 12 significant digits, single-precision ones to 6.
void expectDouble(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12) << "expected " << expected;
}
void expectSingle(float actual, double expected) {
    EXPECT_NEAR(actual, expected, std::max(std::fabs(expected) * 1e-6, 1e-4))
        << "expected " << expected;
}

struct Rect {
    double x, y, width, height;
};

void expectRectangle(const FieldRectangle& r, Rect expected) {
    expectSingle(r.x, expected.x);
    expectSingle(r.y, expected.y);
    expectSingle(r.width, expected.width);
    expectSingle(r.height, expected.height);
}

using testing::initialHeight;
using testing::initialWidth;

using Field = testing::RecordingCanvas::Field;

// The fields as the window draws them: Zeichnen on a canvas of the area's size. At this width
// per byte the worked example's label (24 bytes, "°" takes two) measures 1950 twips.
std::vector<Field> draw(EntryTable& table, float width = initialWidth, float height = initialHeight,
                        std::string_view separator = ".") {
    testing::RecordingCanvas canvas(width, height, 1950.0f / 24);
    Zeichnen(table, canvas, separator);
    return canvas.fields();
}

struct AngleCase {
    double dimension, focalLength, degrees;
};

void PrintTo(const AngleCase& c, std::ostream* os) {
    *os << c.dimension << " mm at " << c.focalLength << " mm";
}

class AngleOfViewTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleOfViewTest, UsesTheSixDecimalHalfTurn) {
    expectDouble(angleOfView(GetParam().dimension, GetParam().focalLength), GetParam().degrees);
}

INSTANTIATE_TEST_SUITE_P(Cases, AngleOfViewTest,
                         ::testing::Values(AngleCase{36, 50, 39.597748342772725},
                                           AngleCase{24, 50, 26.991463585356474},
                                           AngleCase{5, 5000, 0.05729576842067138},
                                           AngleCase{1000, 10, 177.70845472848603}));

TEST(AngleOfViewTest, DiffersFromTheExactPiConversion) {
    const double exact = 2 * std::atan(18.0 / 50.0) * 180 / std::numbers::pi;
    EXPECT_NEAR(exact, 39.59775270904986, 1e-12);
    EXPECT_LT(angleOfView(36, 50), exact - 4e-6);
}

class FieldLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { table.dimension(); }
    EntryTable table;
};

TEST_F(FieldLayoutTest, WorkedExampleFillsTheUsableHeight) {
    table.store(36, 24, 50);
    const auto fields = draw(table);

    expectDouble(table.value(EntryTable::HorizontalAngle, 1), 39.597748342772725);
    expectDouble(table.value(EntryTable::VerticalAngle, 1), 26.991463585356474);
    const FieldLayout layout(table, initialWidth, initialHeight);
    expectSingle(layout.centreX(), 5017.5);
    expectSingle(layout.centreY(), 4112.5);
    expectDouble(layout.scale(), 238.0382219616175);

    ASSERT_EQ(fields.size(), 1u);
    expectRectangle(fields[0].rectangle, {304.6112, 900, 9425.777, 6425});
    EXPECT_EQ(fields[0].printed, "36x24 50mm / 39.6x27.0°");
    expectSingle(fields[0].textX, 4042.5);
    expectSingle(fields[0].textY, 900);
}

TEST_F(FieldLayoutTest, TwoOrientationsShareTheLargerAngleAsBothMaxima) {
    table.store(36, 24, 50);
    table.store(24, 36, 50);
    const auto fields = draw(table);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_NEAR(FieldLayout(table, initialWidth, initialHeight).scale(), 162.25670066850338, 1e-10);
    expectRectangle(fields[0].rectangle, {1805, 1922.727, 6425, 4379.546});
    expectRectangle(fields[1].rectangle, {2827.727, 900, 4379.546, 6425});
    EXPECT_EQ(fields[0].printed, "36x24 50mm / 39.6x27.0°");
    EXPECT_EQ(fields[1].printed, "24x36 50mm / 27.0x39.6°");
}

TEST_F(FieldLayoutTest, LongerLensAfterwardsKeepsTheScale) {
    table.store(36, 24, 50);
    const double scaleBefore = FieldLayout(table, initialWidth, initialHeight).scale();
    table.store(36, 24, 200);
    const auto fields = draw(table);
    EXPECT_EQ(FieldLayout(table, initialWidth, initialHeight).scale(), scaleBefore);
    ASSERT_EQ(fields.size(), 2u);
    expectRectangle(fields[1].rectangle, {3793.3257, 3295.1648, 2448.3489, 1634.6704});
    EXPECT_EQ(fields[1].printed, "36x24 200mm / 10.3x6.9°");
}

TEST_F(FieldLayoutTest, WiderFieldShrinksEarlierOnes) {
    table.store(36, 24, 50);
    const float widthBefore = draw(table).at(0).rectangle.width;
    table.store(36, 24, 20);
    const auto fields = draw(table);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_LT(fields[0].rectangle.width, widthBefore);
    const auto widest = fields[1].rectangle;
    EXPECT_TRUE(std::fabs(widest.width - 9835) < 0.01 || std::fabs(widest.height - 6425) < 0.01);
}

TEST_F(FieldLayoutTest, TinyAngleAloneIsDrawnFullHeight) {
    table.store(5, 5, 5000);
    const auto fields = draw(table);
    ASSERT_EQ(fields.size(), 1u);
    expectRectangle(fields[0].rectangle, {1805, 900, 6425, 6425});
    EXPECT_EQ(fields[0].printed, "5x5 5000mm / .1x.1°");
}

TEST_F(FieldLayoutTest, LowAreaGivesNegativeScaleSpanningUpwards) {
    table.store(36, 24, 50);
    const auto fields = draw(table, initialWidth, 800);
    const FieldLayout layout(table, initialWidth, 800);
    expectSingle(layout.centreY(), 800);
    expectDouble(layout.scale(), -7.409750099972529);
    ASSERT_EQ(fields.size(), 1u);
    expectRectangle(fields[0].rectangle, {5164.2046, 900, -293.40942, -200});
    expectSingle(fields[0].textY, 900);
}

TEST_F(FieldLayoutTest, ZeroUsableHeightCollapsesFieldsToTheCentre) {
    table.store(36, 24, 50);
    const auto fields = draw(table, initialWidth, 1000);
    EXPECT_EQ(FieldLayout(table, initialWidth, 1000).scale(), 0);
    ASSERT_EQ(fields.size(), 1u);
    expectRectangle(fields[0].rectangle, {5017.5, 900, 0, 0});
    expectSingle(fields[0].textY, 900);
}

TEST_F(FieldLayoutTest, CommaSeparatorInLabels) {
    table.store(23.6, 15.7, 50);
    EXPECT_EQ(draw(table, initialWidth, initialHeight, ",").at(0).printed,
              "23,6x15,7 50mm / 26,6x17,8°");
}

TEST_F(FieldLayoutTest, AnglesAreRecomputedForEveryEntryOnEveryCall) {
    table.store(36, 24, 50);
    table.setAngle(EntryTable::HorizontalAngle, 1, 1.0);
    draw(table);
    expectDouble(table.value(EntryTable::HorizontalAngle, 1), 39.597748342772725);
}

TEST_F(FieldLayoutTest, EmptyTableGivesNoFieldsAndFiniteFrame) {
    EXPECT_TRUE(draw(table).empty());
    EXPECT_EQ(FieldLayout(table, initialWidth, initialHeight).scale(), 0);
}

struct ExtremeArea {
    const char* name;
    float width, height;
};

class FieldLayoutExtremeAreaTest : public ::testing::TestWithParam<ExtremeArea> {};

// The scale follows the smaller factor, so one direction's huge negative factor multiplies the
// other direction's larger angle too: a wide flat field and a tall narrow one, each alone, on an
// area of extreme sizes. Every coordinate must stay a finite single-precision number.
TEST_P(FieldLayoutExtremeAreaTest, EveryCoordinateStaysFinite) {
    struct Entry {
        double width, height, focalLength;
    };
    for (const auto& entry : {Entry{1000, 5, 10}, Entry{5, 1000, 10}}) {
        EntryTable table = testing::tableOf({{entry.width, entry.height, entry.focalLength}});
        const auto fields = draw(table, GetParam().width, GetParam().height);
        ASSERT_EQ(fields.size(), 1u);
        const Field& field = fields[0];
        for (const float c : {field.rectangle.x, field.rectangle.y, field.rectangle.width,
                              field.rectangle.height, field.textX, field.textY}) {
            EXPECT_TRUE(std::isfinite(c)) << field.printed << ": " << c;
        }
    }
}

constexpr float largest = std::numeric_limits<float>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldLayoutExtremeAreaTest,
    ::testing::Values(ExtremeArea{"WideAndVeryNegativeHigh", largest, -largest},
                      ExtremeArea{"VeryNegativeWideAndHigh", -largest, largest},
                      ExtremeArea{"BothVeryNegative", -largest, -largest},
                      ExtremeArea{"BothLargest", largest, largest},
                      ExtremeArea{"ZeroWideVeryNegativeHigh", 0, -1e37f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FieldLayoutTest, RowsAboveTheCountAreNeitherReadNorWritten) {
    table.store(1000, 1000, 10);
    table.store(36, 24, 50);
    draw(table);
    table.clear();
    table.store(36, 24, 50);
    const double oldRow2Angle = table.value(EntryTable::HorizontalAngle, 2);
    const auto fields = draw(table);
    // The old row is neither drawn nor labelled: the one field is row 1's.
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].printed, "36x24 50mm / 39.6x27.0°");
    // The old 177° entry plays no part in the scale.
    expectDouble(FieldLayout(table, initialWidth, initialHeight).scale(), 238.0382219616175);
    EXPECT_EQ(table.value(EntryTable::HorizontalAngle, 2), oldRow2Angle);
}

} // namespace
} // namespace tarvisol
