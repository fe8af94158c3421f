// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EntryTable.h"

#include "TestTables.h"

#include <gtest/gtest.h>

namespace tarvisol {
namespace {

class EntryTableTest : public ::testing::Test {
protected:
    void SetUp() override { table.dimension(); }

    void fillTo(int count) {
        for (int i = 1; i <= count; ++i) {
            ASSERT_EQ(table.store(5 + i * 0.5, 24, 50), EntryTable::StoreResult::Stored);
        }
    }

    EntryTable table;
};

TEST_F(EntryTableTest, FreshTableFindsNothingAndFirstStoreWritesRowOne) {
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.find(36, 24, 50));
    EXPECT_TRUE(table.isEmpty(EntryTable::Width, 1));

    EXPECT_EQ(table.store(36, 24, 50), EntryTable::StoreResult::Stored);
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(table.value(EntryTable::Width, 1), 36);
    EXPECT_EQ(table.value(EntryTable::Height, 1), 24);
    EXPECT_EQ(table.value(EntryTable::FocalLength, 1), 50);
    // Angles arrive only with the next drawing.
    EXPECT_TRUE(table.isEmpty(EntryTable::HorizontalAngle, 1));
}

struct FindCase {
    const char* name;
    double width, height, focalLength;
    bool found;
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << c.name;
}

class EntryTableFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(EntryTableFind, MatchesOnlyAllThreeValuesExactly) {
    const EntryTable table = testing::tableOf({{36, 24, 50}});
    const auto& c = GetParam();
    EXPECT_EQ(table.find(c.width, c.height, c.focalLength), c.found);
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryTableFind,
                         ::testing::Values(FindCase{"Same", 36, 24, 50, true},
                                           FindCase{"EqualNumbers", 36.0, 24.0, 50.0, true},
                                           FindCase{"WidthAndHeightSwapped", 24, 36, 50, false},
                                           FindCase{"OtherFocalLength", 36, 24, 35, false},
                                           FindCase{"NearlyEqualWidth", 36.000000000001, 24, 50,
                                                    false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(EntryTableTest, StoreOn998EntriesFillsRow999WithoutReport) {
    fillTo(998);
    EXPECT_EQ(table.store(36, 24, 50), EntryTable::StoreResult::Stored);
    EXPECT_EQ(table.count(), 999);
    EXPECT_EQ(table.value(EntryTable::Width, 999), 36);
}

TEST_F(EntryTableTest, StoreOnFullTableReplacesOnlyEntry999) {
    fillTo(999);
    const double entry998Width = table.value(EntryTable::Width, 998);
    EXPECT_EQ(table.store(36, 24, 50), EntryTable::StoreResult::ReplacedLastEntry);
    EXPECT_EQ(table.count(), 999);
    EXPECT_EQ(table.value(EntryTable::Width, 999), 36);
    EXPECT_EQ(table.value(EntryTable::Width, 998), entry998Width);
    for (int row = 1; row <= 998; ++row) {
        ASSERT_EQ(table.value(EntryTable::Width, row), 5 + row * 0.5) << "row " << row;
    }
    // The thousandth row is never written.
    EXPECT_TRUE(table.isEmpty(EntryTable::Width, 1000));
}

TEST_F(EntryTableTest, FullTableFindsEveryStoredEntryIncludingTheLast) {
    fillTo(999);
    EXPECT_TRUE(table.find(5 + 1 * 0.5, 24, 50));
    EXPECT_TRUE(table.find(5 + 999 * 0.5, 24, 50));
}

TEST_F(EntryTableTest, ClearForgetsEntriesButNotCells) {
    table.store(36, 24, 50);
    table.store(24, 36, 50);
    table.clear();
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.find(36, 24, 50));
    EXPECT_EQ(table.store(10, 10, 10), EntryTable::StoreResult::Stored);
    EXPECT_EQ(table.value(EntryTable::Width, 1), 10);
    EXPECT_EQ(table.value(EntryTable::Width, 2), 24); // the old row stays until overwritten
    EXPECT_FALSE(table.find(24, 36, 50));

    table.clear();
    table.clear();
    EXPECT_EQ(table.count(), 0);
}

TEST_F(EntryTableTest, AnglesAreWritableOnlyForStoredEntries) {
    table.store(36, 24, 50);
    table.setAngle(EntryTable::HorizontalAngle, 1, 39.6);
    table.setAngle(EntryTable::HorizontalAngle, 2, 1.0);
    table.setAngle(EntryTable::Width, 1, 99);
    EXPECT_EQ(table.value(EntryTable::HorizontalAngle, 1), 39.6);
    EXPECT_TRUE(table.isEmpty(EntryTable::HorizontalAngle, 2));
    EXPECT_EQ(table.value(EntryTable::Width, 1), 36);
}

TEST(EntryTableBounds, CellsOutsideTheTableReadAsEmpty) {
    EntryTable table;
    EXPECT_TRUE(table.isEmpty(EntryTable::Width, 1)); // not dimensioned yet
    table.dimension();
    EXPECT_TRUE(table.isEmpty(-1, 1));
    EXPECT_TRUE(table.isEmpty(6, 1));
    EXPECT_TRUE(table.isEmpty(1, 1000));
    EXPECT_TRUE(table.isEmpty(1, -5));
}

} // namespace
} // namespace tarvisol
