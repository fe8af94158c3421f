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

// Lays out both tables (the first with the cache) and compares item by item.
void expectSameLayout(EntryTable& withCache, FieldCache& cache, EntryTable& plain, float width,
                      float height, std::string_view separator) {
    const FieldLayout cachedLayout(withCache, width, height, separator, &cache);
    const FieldLayout plainLayout(plain, width, height, separator);
    const auto a = cachedLayout.items(measure);
    const auto b = plainLayout.items(measure);
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
    expectSameLayout(withCache, cache, plain, 10035, 7425, ".");

    for (EntryTable* t : {&plain, &withCache}) {
        t->clear();
        t->store(1000, 1000, 10); // row 1 now holds another combination
        t->store(24, 36, 50);
        t->store(5, 5, 5000);
    }
    expectSameLayout(withCache, cache, plain, 8000, 6000, ".");
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(withCache.value(EntryTable::HorizontalAngle, row),
                  plain.value(EntryTable::HorizontalAngle, row));
        EXPECT_EQ(withCache.value(EntryTable::VerticalAngle, row),
                  plain.value(EntryTable::VerticalAngle, row));
    }

    EXPECT_EQ(FieldLayout(withCache, 8000, 6000, ",", &cache).label(3), "5x5 5000mm / ,1x,1°");
    expectSameLayout(withCache, cache, plain, 8000, 6000, ",");
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

// A layout hands out views of remembered labels while it remembers further rows.
TEST(FieldCacheTest, RememberedEntriesStayInPlaceWhileTheCacheGrows) {
    FieldCache cache;
    const FieldCache::Entry& first = cache.remember(1, {1, 2, 3, 4, 5, "short"});
    const std::string_view view = first.label;
    for (int row = 2; row <= 999; ++row) {
        cache.remember(row, {double(row), 1, 1, 1, 1, "another label of some length"});
    }
    EXPECT_EQ(&first, cache.find(1, 1, 2, 3));
    EXPECT_EQ(view, "short");
}

} // namespace
} // namespace tarvisol
