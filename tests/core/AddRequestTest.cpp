// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AddRequest.h"

#include "RecordingMessageService.h"
#include "core/Messages.h"

#include <gtest/gtest.h>

namespace tarvisol {
namespace {

using testing::RecordingMessageService;

class AddRequestTest : public ::testing::Test {
protected:
    void SetUp() override { table.dimension(); }

    AddOutcome add(std::string_view w, std::string_view h, std::string_view f) {
        messages.events.clear();
        return addRequest(table, messages, w, h, f, userSeparator);
    }

    EntryTable table;
    RecordingMessageService messages;
    std::string userSeparator = ".";
};

struct RejectCase {
    const char* name;
    const char* width;
    const char* height;
    const char* focalLength;
    AddOutcome outcome;
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.name;
}

class AddRequestRejects : public AddRequestTest,
                          public ::testing::WithParamInterface<RejectCase> {};

TEST_P(AddRequestRejects, WithBeepThenErrorBoxAndNothingStored) {
    const auto& c = GetParam();
    table.store(36, 24, 50);
    EXPECT_EQ(add(c.width, c.height, c.focalLength), c.outcome);
    EXPECT_FALSE(isAccepted(c.outcome));
    const auto& expected =
        c.outcome == AddOutcome::RejectedNotNumeric ? messages::notNumeric : messages::outOfRange;
    EXPECT_EQ(messages.singleErrorText(), expected);
    EXPECT_EQ(table.count(), 1);
}

constexpr auto notNumeric = AddOutcome::RejectedNotNumeric;
constexpr auto outOfRange = AddOutcome::RejectedOutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Cases, AddRequestRejects,
    ::testing::Values(RejectCase{"EmptyWidth", "", "24", "50", notNumeric},
                      RejectCase{"AllThreeBad", "a", "b", "c", notNumeric},
                      RejectCase{"NumberTestBeforeRange", "abc", "2000", "50", notNumeric},
                      RejectCase{"UnitInFocalLength", "36", "24", "50mm", notNumeric},
                      RejectCase{"ExponentHeight", "36", "2.4e1", "50", notNumeric},
                      RejectCase{"NanFocalLength", "36", "24", "nan", notNumeric},
                      RejectCase{"UnitWordAndEmpty", "36mm", "abc", "", notNumeric},
                      RejectCase{"SeparatorOfAnotherLocale", "36٫5", "24", "50", notNumeric},
                      RejectCase{"PastedTabInside", "36", "2\t4", "50", notNumeric},
                      RejectCase{"PastedLineEndsStillRangeTested", "36", "24\r\n", "\t9.99\n",
                                 outOfRange},
                      RejectCase{"WidthBelow", "4.99", "24", "50", outOfRange},
                      RejectCase{"WidthJustAbove", "1000.001", "24", "50", outOfRange},
                      RejectCase{"HeightJustBelow", "36", "4.999", "50", outOfRange},
                      RejectCase{"HeightAbove", "36", "1000.5", "50", outOfRange},
                      RejectCase{"FocalBelow", "36", "24", "9.99", outOfRange},
                      RejectCase{"FocalAbove", "36", "24", "5000.5", outOfRange},
                      RejectCase{"FocalJustAbove", "36", "24", "5000,001", outOfRange},
                      RejectCase{"GroupedThousandReadsAsOne", "36", "24", "1,000", outOfRange},
                      RejectCase{"NegativeWidth", "-36", "24", "50", outOfRange},
                      RejectCase{"ZeroWidth", "0", "24", "50", outOfRange},
                      RejectCase{"HugeWidth", "99999999999999999999", "24", "50", outOfRange}),
    [](const auto& info) { return info.param.name; });

TEST_F(AddRequestTest, NewCombinationIsStoredThenFoundSilently) {
    EXPECT_EQ(add("36", "24", "50"), AddOutcome::Stored);
    EXPECT_TRUE(messages.events.empty());
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(add("36", "24", "50"), AddOutcome::AlreadyStored);
    EXPECT_TRUE(isAccepted(AddOutcome::AlreadyStored));
    EXPECT_TRUE(messages.events.empty());
    EXPECT_EQ(table.count(), 1);
}

TEST_F(AddRequestTest, CommaAndPointReadAlike) {
    EXPECT_EQ(add("36,5", "24", "50"), AddOutcome::Stored);
    EXPECT_EQ(table.value(EntryTable::Width, 1), 36.5);
    EXPECT_EQ(add(" 36.5 ", "24,0", "+50"), AddOutcome::AlreadyStored);
}

// State: the user's locale shows "٫" (U+066B) as its decimal separator.
// Action: values typed with it, or pasted with a tab or line end around them.
// Expected: each reads as the plain number; a unit, a word or nothing still fails as before.
TEST_F(AddRequestTest, UserSeparatorAndPastedLineEndsReadAsThePlainNumber) {
    userSeparator = "٫";
    EXPECT_EQ(add("36٫5", "\t24\r\n", "50\n"), AddOutcome::Stored);
    EXPECT_EQ(table.value(EntryTable::Width, 1), 36.5);
    EXPECT_EQ(table.value(EntryTable::Height, 1), 24);
    EXPECT_EQ(add("36,5", "24", "50"), AddOutcome::AlreadyStored);
    EXPECT_EQ(add(" 5٫25\t", "24", "50"), AddOutcome::Stored);
    EXPECT_EQ(table.value(EntryTable::Width, 2), 5.25);
    EXPECT_EQ(add("36mm", "abc", ""), AddOutcome::RejectedNotNumeric);
    EXPECT_EQ(messages.singleErrorText(), messages::notNumeric);
    EXPECT_EQ(table.count(), 2);
}

TEST_F(AddRequestTest, BoundsThemselvesPass) {
    EXPECT_EQ(add("5", "1000", "10"), AddOutcome::Stored);
    EXPECT_EQ(add("1000", "5", "5000"), AddOutcome::Stored);
    EXPECT_EQ(table.count(), 2);
}

TEST_F(AddRequestTest, FullTableWarnsAndReplacesEntry999) {
    for (int i = 1; i <= 999; ++i) {
        ASSERT_EQ(add(std::to_string(5 + i * 0.5), "24", "50"), AddOutcome::Stored);
    }
    EXPECT_EQ(add("36.25", "24", "50"), AddOutcome::StoredOnFullTable);
    EXPECT_TRUE(isAccepted(AddOutcome::StoredOnFullTable));
    EXPECT_EQ(messages.singleErrorText(), "Keine weiteren Daten mehr möglich.");
    EXPECT_EQ(table.count(), 999);
    EXPECT_EQ(table.value(EntryTable::Width, 999), 36.25);
    EXPECT_EQ(table.value(EntryTable::Width, 998), 5 + 998 * 0.5);

    // A combination already stored, the replacing one included, is found without a word.
    EXPECT_EQ(add("36.25", "24", "50"), AddOutcome::AlreadyStored);
    EXPECT_EQ(add("5.5", "24", "50"), AddOutcome::AlreadyStored);
    EXPECT_TRUE(messages.events.empty());
    EXPECT_EQ(table.count(), 999);
}

TEST_F(AddRequestTest, HostileTextsNeverReachTheTable) {
    const std::string megabyte(1 << 20, '5');
    const std::string withNul("36\0"
                              "5",
                              4);
    for (const std::string& text :
         {megabyte, withNul, std::string("\xc3\x28"), std::string("0x1A"), std::string("1e999")}) {
        EXPECT_EQ(add(text, "24", "50"), AddOutcome::RejectedNotNumeric);
        EXPECT_EQ(add("36", "24", text), AddOutcome::RejectedNotNumeric);
    }
    EXPECT_EQ(table.count(), 0);
}

} // namespace
} // namespace tarvisol
