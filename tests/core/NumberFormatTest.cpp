// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

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
                      FormatCase{12.345678901234567, General, "12.3456789012346"},
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
                      FormatCase{0.96, HashDotZero, "1.0"}, // the carry makes an integer digit
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

void PrintTo(const SeparatorCase& c, std::ostream* os) {
    *os << c.text;
}

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

// An independent reference: glibc's printf writes a double's exact decimal expansion when
// asked for enough digits; rounding that by hand, half away from zero, is what every pattern
// must give.
std::string referencePattern(double value, int decimals, bool dropZeroInteger) {
    char buffer[2000];
    std::snprintf(buffer, sizeof buffer, "%.1100f", value);
    std::string text(buffer);
    const auto point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1, std::size_t(decimals));
    if (text[point + 1 + std::size_t(decimals)] >= '5') {
        int i = int(digits.size()) - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9') {
            digits[std::size_t(i--)] = '0';
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[std::size_t(i)];
        }
    }
    std::string integer = digits.substr(0, digits.size() - std::size_t(decimals));
    if (dropZeroInteger && integer == "0") {
        integer.clear();
    }
    return integer + "." + digits.substr(digits.size() - std::size_t(decimals));
}

TEST(FormatAgainstReference, PatternsRoundLikeTheExactExpansion) {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        // Angles, arc minutes and some far larger or smaller values.
        const double unit = double(next() % 1000000007) / 1000000007.0;
        values.push_back(unit * 180);
        values.push_back(unit * 10800);
        values.push_back(std::ldexp(unit, int(next() % 80) - 40));
    }
    for (int k = 0; k < 4000; ++k) {
        values.push_back((2 * k + 1) / 8.0); // exact ties at two and one decimals
        values.push_back(std::nextafter((2 * k + 1) / 20.0, 0.0));
    }
    for (const double v : values) {
        ASSERT_EQ(formatNumber(v, NumberPattern::ZeroDotZeroZero, "."),
                  referencePattern(v, 2, false))
            << std::hexfloat << v;
        ASSERT_EQ(formatNumber(v, NumberPattern::ZeroDotZero, "."), referencePattern(v, 1, false))
            << std::hexfloat << v;
        ASSERT_EQ(formatNumber(v, NumberPattern::HashDotZero, "."), referencePattern(v, 1, true))
            << std::hexfloat << v;
    }
}

// The general format must agree with the same number written to 15 significant digits by
// the reference and stripped of trailing zeros.
TEST(FormatAgainstReference, GeneralKeepsFifteenSignificantDigits) {
    for (const double v : {5.123456789012345678, 23.6, 999.9999999999999, 1000.0, 4999.99999999999,
                           12345.678901234567, 1.0000000000000002, 9.999999999999999,
                           44.444444444444443, 123.45678901234567, 1234.5678901234567}) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", v); // same as ours away from exact ties
        EXPECT_EQ(formatNumber(v, NumberPattern::General, "."), buffer) << std::hexfloat << v;
    }
}

} // namespace
} // namespace tarvisol
