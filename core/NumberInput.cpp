// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberInput.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace tarvisol {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Every real separator besides "." and "," lies outside ASCII (the "٫" of Arabic script). One
// inside it would give a letter, blank or sign a new meaning ("e" would make "1e3" a number),
// so a locale that claimed one changes nothing, and every ASCII text keeps its answer.
bool isUsableSeparator(std::string_view separator) {
    return !separator.empty() && std::none_of(separator.begin(), separator.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    });
}

// Converts "digits[.digits]" (no sign, at least one digit) to the nearest double.
// from_chars rounds correctly and, unlike strtod, knows neither "inf" nor hex nor exponents
// here, since only digits and one point ever reach it.
double decimalValue(std::string digits) {
    if (digits.front() == '.') {
        digits.insert(digits.begin(), '0');
    }
    if (digits.back() == '.') {
        digits.push_back('0');
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Either too large for a double or so small that it underflows; decide which by the
        // position of the first significant digit.
        const auto firstSignificant = digits.find_first_not_of("0.");
        const auto point = digits.find('.');
        const bool hasIntegerDigits = firstSignificant != std::string::npos &&
                                      (point == std::string::npos || firstSignificant < point);
        return hasIntegerDigits ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

} // namespace

std::string withDecimalPoints(std::string_view text, std::string_view userSeparator) {
    std::string result;
    result.reserve(text.size());
    const bool userCounts = isUsableSeparator(userSeparator);
    for (std::size_t i = 0; i < text.size();) {
        if (userCounts && text.substr(i, userSeparator.size()) == userSeparator) {
            result += '.';
            i += userSeparator.size();
        } else {
            result += text[i] == ',' ? '.' : text[i];
            ++i;
        }
    }
    return result;
}

bool isNumeric(std::string_view typed, std::string_view userSeparator) {
    const std::string text = withDecimalPoints(typed, userSeparator);
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i])) {
        ++i;
    }
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::string number;
    bool hasSeparator = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number += c;
        } else if (c == '.' && !hasSeparator) {
            hasSeparator = true;
            number += '.';
        } else {
            break;
        }
    }
    while (i < n && isBlank(text[i])) {
        ++i;
    }
    const bool hasDigit = number.find_first_of("0123456789") != std::string::npos;
    if (i != n || !hasDigit) {
        return false;
    }
    return std::isfinite(decimalValue(std::move(number)));
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    bool hasPoint = false;
    bool hasDigit = false;
    for (skipBlanks(); i < n; ++i, skipBlanks()) {
        const char c = text[i];
        if (isDigit(c)) {
            number += c;
            hasDigit = true;
        } else if (c == '.' && !hasPoint) {
            hasPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!hasDigit) {
        return 0.0;
    }
    const double magnitude = decimalValue(std::move(number));
    return negative ? -magnitude : magnitude;
}

} // namespace tarvisol
