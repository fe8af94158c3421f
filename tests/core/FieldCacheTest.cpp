#include "core/FieldLayout.h"

#include <gtest/gtest.h>

namespace tarvisol {
namespace {

float measure(std::string_view text) {
    return 55.0f * float(text.size());
}

EntryTable tableOf(std::initializer_list<std::array<double, 3>> entries) {
    EntryTable table;
    table.dimension();
    for (const auto& e : entries) {
        table.store(e[0], e[1], e[2]);
    }
    return table;
}

void expectSameItems(const std::vector<FieldItem>& a, const std::vector<FieldItem>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].label, b[i].label);
        EXPECT_EQ(a[i].rectangle.x, b[i].rectangle.x);
        EXPECT_EQ(a[i].rectangle.y, b[i].rectangle.y);
        EXPECT_EQ(a[i].rectangle.width, b[i].rectangle.width);
        EXPECT_EQ(a[i].rectangle.height, b[i].rectangle.height);
        EXPECT_EQ(a[i].textX, b[i].textX);
        EXPECT_EQ(a[i].textY, b[i].textY);
    }
}

// The cache must never change a result: labels, angles and places are the same as without it
// through adds, a clear that reuses rows, and a change of separator.
TEST(FieldCacheTest, GivesTheSameLayoutAsWithoutIt) {
    auto plain = tableOf({{36, 24, 50}, {24, 36, 50}});
    auto withCache = plain;
    FieldCache cache;
    expectSameItems(fieldLayout(withCache, 10035, 7425, measure, ".", &cache),
                    fieldLayout(plain, 10035, 7425, measure, "."));

    for (EntryTable* t : {&plain, &withCache}) {
        t->clear();
        t->store(1000, 1000, 10); // row 1 now holds another combination
        t->store(24, 36, 50);
        t->store(5, 5, 5000);
    }
    expectSameItems(fieldLayout(withCache, 8000, 6000, measure, ".", &cache),
                    fieldLayout(plain, 8000, 6000, measure, "."));
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(withCache.value(EntryTable::HorizontalAngle, row),
                  plain.value(EntryTable::HorizontalAngle, row));
        EXPECT_EQ(withCache.value(EntryTable::VerticalAngle, row),
                  plain.value(EntryTable::VerticalAngle, row));
    }

    const auto commaItems = fieldLayout(withCache, 8000, 6000, measure, ",", &cache);
    EXPECT_EQ(commaItems[2].label, "5x5 5000mm / ,1x,1°");
    expectSameItems(commaItems, fieldLayout(plain, 8000, 6000, measure, ","));
}

TEST(FieldCacheTest, RemembersOnlyExactCombinations) {
    FieldCache cache;
    cache.useSeparator(".");
    cache.remember(3, {36, 24, 50, 39.6, 27.0, "label"});
    ASSERT_NE(cache.find(3, 36, 24, 50), nullptr);
    EXPECT_EQ(cache.find(3, 36, 24, 50)->label, "label");
    EXPECT_EQ(cache.find(3, 24, 36, 50), nullptr);
    EXPECT_EQ(cache.find(2, 36, 24, 50), nullptr);
    EXPECT_EQ(cache.find(999, 36, 24, 50), nullptr);
    cache.useSeparator(".");
    EXPECT_NE(cache.find(3, 36, 24, 50), nullptr);
    cache.useSeparator(",");
    EXPECT_EQ(cache.find(3, 36, 24, 50), nullptr);
}

} // namespace
} // namespace tarvisol
