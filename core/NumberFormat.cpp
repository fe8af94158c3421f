// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvisol {

namespace {

constexpr int generalSignificantDigits = 15;

// The exact decimal expansion of a finite, non-negative double, split at the point.
// Every double is a finite binary fraction and so has a finite decimal expansion; printing
// it in full lets all rounding below be done on decimal digits, where "exactly halfway" is
// plain to see.
struct Decimal {
    std::string integerDigits;  // no leading zeros; "0" for values below 1
    std::string fractionDigits; // may be empty
};

Decimal exactDecimal(double magnitude) {
    // Doubles below 2^53 carry at most 52 - exponent fractional bits, each bit one decimal.
    const int exponent = magnitude == 0 ? 0 : std::ilogb(magnitude);
    const int fractionDigits = std::clamp(52 - exponent, 0, 1074);
    // 309 integer digits, the point and up to 1074 decimals fit.
    std::array<char, 1400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                            std::chars_format::fixed, fractionDigits);
    (void)error;
    const std::string_view text(buffer.data(), std::size_t(end - buffer.data()));
    const auto point = text.find('.');
    if (point == std::string_view::npos) {
        return {std::string(text), {}};
    }
    return {std::string(text.substr(0, point)), std::string(text.substr(point + 1))};
}

// Adds one unit at the last digit of a digit string; returns true when the carry ran out of
// the front (so a "1" must be put before it).
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// Keeps `kept` decimals, rounding half away from zero on the exact expansion.
Decimal roundToDecimals(Decimal d, std::size_t kept) {
    const bool roundUp = d.fractionDigits.size() > kept && d.fractionDigits[kept] >= '5';
    d.fractionDigits.resize(kept, '0');
    if (roundUp && incrementDigits(d.fractionDigits) && incrementDigits(d.integerDigits)) {
        d.integerDigits.insert(d.integerDigits.begin(), '1');
    }
    return d;
}

// Keeps 15 significant digits: integer digits past the 15th become zeros, decimals past it go.
Decimal roundToSignificant(Decimal d) {
    std::string all = d.integerDigits + d.fractionDigits;
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos) {
        return {"0", {}};
    }
    const std::size_t last = first + generalSignificantDigits; // first digit dropped
    if (last >= all.size()) {
        return d;
    }
    const bool roundUp = all[last] >= '5';
    std::string kept = all.substr(0, last);
    bool carryOut = roundUp && incrementDigits(kept);
    kept.resize(all.size(), '0');
    if (carryOut) {
        kept.insert(kept.begin(), '1');
    }
    const std::size_t integerLength = kept.size() - d.fractionDigits.size();
    Decimal rounded{kept.substr(0, integerLength), kept.substr(integerLength)};
    const auto nonZero = rounded.integerDigits.find_first_not_of('0');
    rounded.integerDigits =
        nonZero == std::string::npos ? "0" : rounded.integerDigits.substr(nonZero);
    return rounded;
}

bool isAllZeros(const Decimal& d) {
    return d.integerDigits.find_first_not_of('0') == std::string::npos &&
           d.fractionDigits.find_first_not_of('0') == std::string::npos;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-∞" : "∞";
}

// The quick way for the values the tool shows: scale to an integer count of the last digit
// kept, and round that exactly. fma gives the product's rounding error exactly, so a product
// that lands on .5 is known to be a true tie (error 0), or just above or below it.
// Returns false where the scaled value would not fit the 52-bit mantissa.
bool roundScaled(double magnitude, int decimals, std::uint64_t& scaled) {
    static constexpr std::array<double, 16> powersOfTen{
        1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (decimals < 0 || decimals >= int(powersOfTen.size())) {
        return false;
    }
    const double p = powersOfTen[std::size_t(decimals)];
    const double x = magnitude * p;
    if (!(x < 0x1p52)) {
        return false;
    }
    const double error = std::fma(magnitude, p, -x);
    const double whole = std::floor(x);
    const double fraction = x - whole;
    const bool up = fraction > 0.5 || (fraction == 0.5 && error >= 0);
    scaled = std::uint64_t(whole) + (up ? 1 : 0);
    return true;
}

Decimal splitScaled(std::uint64_t scaled, int decimals) {
    std::string digits = std::to_string(scaled);
    if (digits.size() <= std::size_t(decimals)) {
        digits.insert(0, std::size_t(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t integerLength = digits.size() - std::size_t(decimals);
    return {digits.substr(0, integerLength), digits.substr(integerLength)};
}

int integerDigitCount(double magnitude) {
    int count = 1;
    for (double limit = 10; magnitude >= limit && count < 400; limit *= 10) {
        ++count;
    }
    return count;
}

Decimal roundedToDecimals(double magnitude, int decimals) {
    std::uint64_t scaled = 0;
    if (roundScaled(magnitude, decimals, scaled)) {
        return splitScaled(scaled, decimals);
    }
    return roundToDecimals(exactDecimal(magnitude), std::size_t(decimals));
}

Decimal roundedToSignificant(double magnitude) {
    std::uint64_t scaled = 0;
    if (magnitude >= 1) {
        const int decimals = generalSignificantDigits - integerDigitCount(magnitude);
        if (roundScaled(magnitude, decimals, scaled)) {
            return splitScaled(scaled, decimals);
        }
    }
    return roundToSignificant(exactDecimal(magnitude));
}

} // namespace

std::string formatNumber(double value, NumberPattern pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const double magnitude = std::fabs(value);
    Decimal d;
    switch (pattern) {
    case NumberPattern::General:
        d = roundedToSignificant(magnitude);
        d.fractionDigits.erase(d.fractionDigits.find_last_not_of('0') + 1);
        break;
    case NumberPattern::HashDotZero:
        d = roundedToDecimals(magnitude, 1);
        if (d.integerDigits == "0") {
            d.integerDigits.clear();
        }
        break;
    case NumberPattern::ZeroDotZeroZero:
        d = roundedToDecimals(magnitude, 2);
        break;
    case NumberPattern::ZeroDotZero:
        d = roundedToDecimals(magnitude, 1);
        break;
    }
    std::string text = value < 0 && !isAllZeros(d) ? "-" : "";
    text += d.integerDigits;
    if (!d.fractionDigits.empty()) {
        text += decimalSeparator;
        text += d.fractionDigits;
    }
    return text;
}

} // namespace tarvisol
