#include "core/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

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

} // namespace

std::string formatNumber(double value, NumberPattern pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    Decimal d = exactDecimal(std::fabs(value));
    switch (pattern) {
    case NumberPattern::General:
        d = roundToSignificant(std::move(d));
        d.fractionDigits.erase(d.fractionDigits.find_last_not_of('0') + 1);
        break;
    case NumberPattern::HashDotZero:
        d = roundToDecimals(std::move(d), 1);
        if (d.integerDigits == "0") {
            d.integerDigits.clear();
        }
        break;
    case NumberPattern::ZeroDotZeroZero:
        d = roundToDecimals(std::move(d), 2);
        break;
    case NumberPattern::ZeroDotZero:
        d = roundToDecimals(std::move(d), 1);
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
