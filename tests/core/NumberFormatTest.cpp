#include "core/NumberFormat.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvisol {
namespace {

struct FormatCase {
    double value;
    NumberPattern pattern;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << std::hexfloat << c.value << " -> \"" << c.text << '"';
}

class FormatWithPoint : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWithPoint, WritesTheExpectedText) {
    EXPECT_EQ(formatNumber(GetParam().value, GetParam().pattern, "."), GetParam().text);
}

constexpr auto General = NumberPattern::General;
constexpr auto HashDotZero = NumberPattern::HashDotZero;
constexpr auto TwoDecimals = NumberPattern::ZeroDotZeroZero;
constexpr auto OneDecimal = NumberPattern::ZeroDotZero;

INSTANTIATE_TEST_SUITE_P(
    ToolValues, FormatWithPoint,
    ::testing::Values(FormatCase{36, General, "36"}, FormatCase{23.6, General, "23.6"},
                      FormatCase{35.80, General, "35.8"}, FormatCase{5000, General, "5000"},
                      FormatCase{5.123456789012345678, General, "5.12345678901235"},
                      FormatCase{2026, General, "2026"},
                      FormatCase{39.597748342772725, HashDotZero, "39.6"},
                      FormatCase{26.991463585356474, HashDotZero, "27.0"},
                      FormatCase{0.5729529573770366, HashDotZero, ".6"},
                      FormatCase{0.05729576842067138, HashDotZero, ".1"},
                      FormatCase{177.70845472848603, HashDotZero, "177.7"},
                      FormatCase{39.597748342772725, TwoDecimals, "39.60"},
                      FormatCase{26.991463585356474, TwoDecimals, "26.99"},
                      FormatCase{0.05729576842067138, TwoDecimals, "0.06"},
                      FormatCase{2375.8649005663633, OneDecimal, "2375.9"},
                      FormatCase{1619.4878151213884, OneDecimal, "1619.5"},
                      FormatCase{3.4377461052402825, OneDecimal, "3.4"},
                      FormatCase{10662.507283709161, OneDecimal, "10662.5"}));

// Exact binary ties go away from zero, where printf's round-half-even would not;
// values just off a tie go to the nearer side.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatWithPoint,
    ::testing::Values(FormatCase{26.96, HashDotZero, "27.0"}, FormatCase{0.25, OneDecimal, "0.3"},
                      FormatCase{0.25, HashDotZero, ".3"}, FormatCase{2.5, General, "2.5"},
                      FormatCase{0.125, TwoDecimals, "0.13"},
                      FormatCase{0.375, TwoDecimals, "0.38"},
                      FormatCase{99.95, OneDecimal, "100.0"}, // 99.95 is stored just above
                      FormatCase{99.96, OneDecimal, "100.0"},
                      FormatCase{9.995, TwoDecimals, "9.99"}, // stored below the tie
                      FormatCase{0.04, HashDotZero, ".0"}, FormatCase{0, HashDotZero, ".0"},
                      FormatCase{0, TwoDecimals, "0.00"}, FormatCase{0, General, "0"},
                      FormatCase{100000000000000.5, General, "100000000000001"},
                      FormatCase{123456789012345678.0, General, "123456789012346000"},
                      FormatCase{0.1, General, "0.1"}, FormatCase{1e-5, General, "0.00001"},
                      FormatCase{-36.5, General, "-36.5"}, FormatCase{-0.25, OneDecimal, "-0.3"},
                      FormatCase{-0.01, OneDecimal, "0.0"}));

TEST(FormatWithPointLarge, NoExponentAndNoGrouping) {
    EXPECT_EQ(formatNumber(1e20, General, "."), "100000000000000000000");
    EXPECT_EQ(formatNumber(1234567.25, OneDecimal, "."), "1234567.3");
    EXPECT_EQ(formatNumber(1.7976931348623157e308, TwoDecimals, ".").size(), 309u + 3u);
    // Fifteen significant digits, written out in full rather than with an exponent.
    const std::string tiny = formatNumber(4.9e-324, General, ".");
    EXPECT_TRUE(tiny.starts_with("0.000000")) << tiny;
    EXPECT_TRUE(tiny.ends_with("0494065645841247")) << tiny;
    EXPECT_EQ(tiny.size(), 2u + 323u + 15u);
    EXPECT_EQ(formatNumber(4.9e-324, TwoDecimals, "."), "0.00");
}

TEST(FormatNonFinite, GivesAShortMarkerInsteadOfDigits) {
    EXPECT_EQ(formatNumber(HUGE_VAL, General, "."), "∞");
    EXPECT_EQ(formatNumber(-HUGE_VAL, OneDecimal, "."), "-∞");
    EXPECT_EQ(formatNumber(std::nan(""), TwoDecimals, "."), "NaN");
}

struct SeparatorCase {
    double value;
    NumberPattern pattern;
    const char* separator;
    const char* text;
};

class FormatWithSeparator : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(FormatWithSeparator, UsesTheGivenSeparatorOnly) {
    const auto& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatWithSeparator,
    ::testing::Values(SeparatorCase{23.6, General, ",", "23,6"},
                      SeparatorCase{39.597748342772725, HashDotZero, ",", "39,6"},
                      SeparatorCase{39.597748342772725, TwoDecimals, ",", "39,60"},
                      SeparatorCase{36, General, ",", "36"},
                      SeparatorCase{0.5, HashDotZero, "٫", "٫5"},
                      SeparatorCase{10662.507, OneDecimal, ",", "10662,5"}));

} // namespace
} // namespace tarvisol
