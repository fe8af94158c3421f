// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarvisol {

enum class NumberPattern {
    General,         // all integer digits, decimals as needed, at most 15 significant digits
    HashDotZero,     // "#.0": one decimal, no leading zero (0.57 -> ".6")
    ZeroDotZeroZero, // "0.00": two decimals
    ZeroDotZero,     // "0.0": one decimal
};

// Writes a number in one of the tool's four formats, with the given decimal separator and
// never a thousands separator. Rounding is to the nearest digit shown, and a value exactly
// halfway (judged on its exact binary value) rounds away from zero, unlike printf.
std::string formatNumber(double value, NumberPattern pattern, std::string_view decimalSeparator);

} // namespace tarvisol
