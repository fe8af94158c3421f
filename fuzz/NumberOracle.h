// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent reading of typed numbers for the fuzz targets, written from the accepted forms
// rather than from the core's code: blanks, an optional sign, digits with at most one "." or ","
// (at least one digit), blanks, and a value inside the double range. Values come from strtod on
// the plain digits, which glibc rounds correctly, so they are an exact reference for the core's
// own conversion.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace tarvisol::fuzz {

inline bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod on "[-]digits[.digits]"; overflow gives an infinity of the sign, underflow zero or the
// nearest subnormal, exactly as a correctly rounded conversion does.
inline double plainDecimalValue(bool negative, const std::string& digitsAndPoint) {
    std::string text = negative ? "-" : "";
    text += digitsAndPoint;
    return std::strtod(text.c_str(), nullptr);
}

// The value of a text in one of the accepted forms, or nothing when the text has another form
// or its value lies beyond the double range.
inline std::optional<double> acceptedValue(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t end = text.find_last_not_of(' ') + 1;
    std::string_view body = text.substr(begin, end - begin);
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    std::string plain;
    int separators = 0;
    int digits = 0;
    for (char c : body) {
        if (isAsciiDigit(c)) {
            ++digits;
            plain += c;
        } else if (c == '.' || c == ',') {
            ++separators;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || separators > 1) {
        return std::nullopt;
    }
    const double value = plainDecimalValue(negative, plain);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The leading-number parse of a text whose commas are already points: blanks, tabs and line
// feeds never count, a sign may come first, then digits with at most one point; the first other
// character ends the number, and no digit at all reads as 0.
inline double leadingValue(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            kept += c;
        }
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) {
        negative = kept[i] == '-';
        ++i;
    }
    std::string plain;
    bool point = false;
    bool digit = false;
    for (; i < kept.size(); ++i) {
        if (isAsciiDigit(kept[i])) {
            plain += kept[i];
            digit = true;
        } else if (kept[i] == '.' && !point) {
            point = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (!digit) {
        return 0.0;
    }
    return plainDecimalValue(negative, plain);
}

inline std::string commasAsPoints(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), ',', '.');
    return result;
}

} // namespace tarvisol::fuzz
