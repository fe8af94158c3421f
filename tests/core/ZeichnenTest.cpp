// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Zeichnen.h"

#include "RecordingCanvas.h"
#include "TestTables.h"

#include <gtest/gtest.h>

namespace tarvisol {
namespace {

using testing::initialHeight;
using testing::initialWidth;
using testing::RecordingCanvas;
using testing::tableOf;
using Ops = std::vector<std::string>;

TEST(ZeichnenTest, EmptyTableOnlyClears) {
    EntryTable table = tableOf({});
    RecordingCanvas canvas(initialWidth, initialHeight);
    Zeichnen(table, canvas, ".");
    EXPECT_EQ(canvas.operations(), Ops{"clear"});
}

TEST(ZeichnenTest, DrawsEachEntryInTheCanvasOrder) {
    EntryTable table = tableOf({{36, 24, 50}, {24, 36, 50}});
    RecordingCanvas canvas(initialWidth, initialHeight, 100);
    Zeichnen(table, canvas, ".");

    const Ops perEntry{"rectangle", "textWidth", "textX", "textY", "print"};
    Ops expected{"clear", "scaleWidth", "scaleHeight"};
    expected.insert(expected.end(), perEntry.begin(), perEntry.end());
    expected.insert(expected.end(), perEntry.begin(), perEntry.end());
    ASSERT_EQ(canvas.operations(), expected);

    const auto& firstRectangle = canvas.calls[3].values;
    EXPECT_NEAR(firstRectangle[0], 1805, 1e-3);
    EXPECT_NEAR(firstRectangle[1], 1922.727, 1e-3);
    EXPECT_EQ(canvas.calls[4].text, "36x24 50mm / 39.6x27.0°");
    // The label is 24 bytes ("°" takes two) at 100 twips each, centred on x 5017.5.
    EXPECT_FLOAT_EQ(canvas.calls[5].values[0], 5017.5f - 2400 / 2.0f);
    EXPECT_FLOAT_EQ(canvas.calls[6].values[0], canvas.calls[3].values[1]);
    EXPECT_EQ(canvas.calls[7].text, "36x24 50mm / 39.6x27.0°");
    EXPECT_EQ(canvas.calls[12].text, "24x36 50mm / 27.0x39.6°");
}

TEST(ZeichnenTest, RedrawAfterResizeUsesTheNewAreaSize) {
    EntryTable table = tableOf({{36, 24, 50}});
    RecordingCanvas small(5000, 4000);
    Zeichnen(table, small, ".");
    // 3000 usable twips high: the field fills that height from y 900.
    EXPECT_NEAR(small.calls[3].values[1], 900, 1e-3);
    EXPECT_NEAR(small.calls[3].values[3], 3000, 1e-3);
}

// Every drawing labels the rows as they hold now: after a clear that stores other combinations
// into the same rows, and after a change of separator, nothing of an earlier drawing returns.
TEST(ZeichnenTest, EachDrawingLabelsTheRowsAsTheyAreNow) {
    EntryTable table = tableOf({{36, 24, 50}, {24, 36, 50}});
    RecordingCanvas canvas(initialWidth, initialHeight);
    auto drawnLabels = [&](std::string_view separator) {
        canvas.calls.clear();
        Zeichnen(table, canvas, separator);
        std::vector<std::string> labels;
        for (const auto& field : canvas.fields()) {
            labels.push_back(field.printed);
        }
        return labels;
    };
    EXPECT_EQ(drawnLabels("."), (Ops{"36x24 50mm / 39.6x27.0°", "24x36 50mm / 27.0x39.6°"}));

    table.clear();
    table.store(1000, 1000, 10); // row 1 now holds another combination
    table.store(24, 36, 50);
    table.store(5, 5, 5000);
    EXPECT_EQ(drawnLabels("."), (Ops{"1000x1000 10mm / 177.7x177.7°", "24x36 50mm / 27.0x39.6°",
                                     "5x5 5000mm / .1x.1°"}));
    EXPECT_NEAR(table.value(EntryTable::HorizontalAngle, 1), 177.70845472848603, 1e-12);
    EXPECT_EQ(drawnLabels(",").back(), "5x5 5000mm / ,1x,1°");
}

} // namespace
} // namespace tarvisol
