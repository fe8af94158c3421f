// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberInput.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace tarvisol {
namespace {

// A typed text, what it must give, and the user's decimal separator; test names show the text
// in short, with unprintable bytes as hex.
template <typename Result> struct TextCase {
    std::string text;
    Result expected;
    std::string separator = ".";

    friend void PrintTo(const TextCase& c, std::ostream* os) {
        *os << '"';
        for (const unsigned char ch : c.text.substr(0, 16)) {
            if (ch >= 0x20 && ch < 0x7f) {
                *os << char(ch);
            } else {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02x", ch);
                *os << hex;
            }
        }
        if (c.text.size() > 16) {
            *os << "...(" << c.text.size() << " bytes)";
        }
        *os << '"';
        if (c.separator != ".") {
            *os << " with a user separator of " << c.separator.size() << " bytes";
        }
    }
};

const std::string arabicSeparator = "٫"; // U+066B, as Arabic and Persian locales show it

using NumericCase = TextCase<bool>;
using ParseCase = TextCase<double>;

class NumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, AcceptsPlainDecimalsOnly) {
    EXPECT_EQ(isNumeric(GetParam().text, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, NumericTest,
    ::testing::Values(
        NumericCase{"36", true}, NumericCase{"36.5", true}, NumericCase{"36,5", true},
        NumericCase{" 36 ", true}, NumericCase{"-36", true}, NumericCase{"+36", true},
        NumericCase{".5", true}, NumericCase{"5.", true}, NumericCase{",5", true},
        NumericCase{"-,5", true}, NumericCase{"   +0.000   ", true}, NumericCase{"1,000", true},
        NumericCase{"007", true}, NumericCase{"0." + std::string(400, '0') + "1", true},
        NumericCase{std::string(308, '9'), true},
        // pasted from a spreadsheet cell
        NumericCase{"\t36", true}, NumericCase{"36\n", true}, NumericCase{" \t-36,5\r\n", true},
        NumericCase{"36" + arabicSeparator + "5", true, arabicSeparator},
        NumericCase{"\t" + arabicSeparator + "5\n", true, arabicSeparator},
        NumericCase{"36,5", true, arabicSeparator}, NumericCase{"36.5", true, arabicSeparator}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, NumericTest,
    ::testing::Values(
        NumericCase{"", false}, NumericCase{"   ", false}, NumericCase{"abc", false},
        NumericCase{"36mm", false}, NumericCase{"36 mm", false}, NumericCase{".", false},
        NumericCase{",", false}, NumericCase{"-", false}, NumericCase{"+-36", false},
        NumericCase{"- 36", false}, NumericCase{"3 6", false}, NumericCase{"1.2.3", false},
        NumericCase{"1,2.3", false}, NumericCase{"1e3", false}, NumericCase{"1E3", false},
        NumericCase{"1e999", false}, NumericCase{"inf", false}, NumericCase{"-inf", false},
        NumericCase{"nan", false}, NumericCase{"infinity", false}, NumericCase{"0x1A", false},
        NumericCase{"&H1A", false}, NumericCase{"36-", false}, NumericCase{"(36)", false},
        NumericCase{"1 000", false}, NumericCase{"3\t6", false}, NumericCase{"-\n36", false},
        NumericCase{"\v36", false}, NumericCase{"36\f", false}, NumericCase{"\t\r\n", false},
        // another locale's separator, two separators, or an ASCII character claimed as one
        NumericCase{"36" + arabicSeparator + "5", false},
        NumericCase{"36" + arabicSeparator + "5", false, ","},
        NumericCase{"3" + arabicSeparator + "6,5", false, arabicSeparator},
        NumericCase{arabicSeparator, false, arabicSeparator},
        NumericCase{"36mm", false, arabicSeparator}, NumericCase{"", false, arabicSeparator},
        NumericCase{"3 6", false, " "}, NumericCase{"1e3", false, "e"},
        NumericCase{std::string("3\0"
                                "6",
                                3),
                    false},
        NumericCase{"\xff\xfe"
                    "36",
                    false},
        NumericCase{"\xef\xbc\x93\xef\xbc\x96", false}, // full-width digits
        NumericCase{"\xc2\xa0"
                    "36",
                    false},                        // no-break space
        NumericCase{std::string(400, '9'), false}, // beyond the double range
        NumericCase{"-" + std::string(310, '1') + ".5", false}));

TEST(NumericTest, MegabyteTextsDecideWithoutTrouble) {
    const std::string digits(1 << 20, '7');
    EXPECT_FALSE(isNumeric(digits, ".")); // 7...7 with a million digits overflows
    EXPECT_TRUE(isNumeric("0." + digits, "."));
    EXPECT_FALSE(isNumeric(std::string(1 << 20, 'x'), "."));
    EXPECT_FALSE(isNumeric(std::string(1 << 20, ' '), "."));
}

class LeadingNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(leadingNumber(withDecimalPoints(GetParam().text, GetParam().separator)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeadingNumberTest,
    ::testing::Values(
        ParseCase{"36", 36}, ParseCase{"36.5", 36.5}, ParseCase{" 36 ", 36}, ParseCase{"-36", -36},
        ParseCase{"+36", 36}, ParseCase{".5", 0.5}, ParseCase{"5.", 5}, ParseCase{"1.000", 1},
        ParseCase{"0.1", 0.1}, ParseCase{"5000.5", 5000.5},
        ParseCase{"5.123456789012345678", 5.123456789012345678}, ParseCase{"3 6", 36},
        ParseCase{"\t3\n6 .5", 36.5}, ParseCase{"\r\n-36\r\n", -36}, ParseCase{"36,5", 36.5},
        ParseCase{"36" + arabicSeparator + "5", 36.5, arabicSeparator},
        ParseCase{"36" + arabicSeparator + "5", 36}, ParseCase{"1.2.3", 1.2}, ParseCase{"36mm", 36},
        ParseCase{"abc", 0}, ParseCase{"", 0}, ParseCase{"-", 0}, ParseCase{"1e3", 1},
        ParseCase{"0x1A", 0}, ParseCase{"inf", 0}, ParseCase{std::string(400, '9'), HUGE_VAL},
        ParseCase{"-" + std::string(400, '9'), -HUGE_VAL}));

TEST(LeadingNumberTest, IsCorrectlyRoundedLikeTheCompiler) {
    EXPECT_EQ(leadingNumber("0.30000000000000004"), 0.30000000000000004);
    EXPECT_EQ(leadingNumber("9007199254740993"), 9007199254740993.0);
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

} // namespace
} // namespace tarvisol
