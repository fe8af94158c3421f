// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent reading of typed numbers for the fuzz targets, written from the accepted forms
// rather than from the core's code: blanks (a tab, carriage return or line feed counts as one),
// an optional sign, digits with at most one "." or "," or, where the user's locale has it, "٫"
// (at least one digit), blanks, and a value inside the double range. Values come from strtod on
// the plain digits, which glibc rounds correctly, so they are an exact reference for the core's
// own conversion.

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace tarvisol::fuzz {

inline bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal separator of Arabic and Persian locales, U+066B in UTF-8.
inline constexpr std::string_view arabicSeparator = "\xd9\xab";

inline constexpr std::string_view blanks = " \t\r\n";

// strtod on "[-]digits[.digits]"; overflow gives an infinity of the sign, underflow zero or the
// nearest subnormal, exactly as a correctly rounded conversion does.
inline double plainDecimalValue(bool negative, const std::string& digitsAndPoint) {
    std::string text = negative ? "-" : "";
    text += digitsAndPoint;
    return std::strtod(text.c_str(), nullptr);
}

// The value of a text in one of the accepted forms, or nothing when the text has another form
// or its value lies beyond the double range. `arabicLocale`: the user's separator is "٫".
inline std::optional<double> acceptedValue(std::string_view text, bool arabicLocale) {
    std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t end = text.find_last_not_of(blanks) + 1;
    std::string_view body = text.substr(begin, end - begin);
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    std::string plain;
    int separators = 0;
    int digits = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (isAsciiDigit(c)) {
            ++digits;
            plain += c;
        } else if (c == '.' || c == ',') {
            ++separators;
            plain += '.';
        } else if (arabicLocale && body.substr(i, arabicSeparator.size()) == arabicSeparator) {
            ++separators;
            plain += '.';
            i += arabicSeparator.size() - 1;
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

// The leading-number parse of a text whose separators are already points: blanks, tabs,
// carriage returns and line feeds never count, a sign may come first, then digits with at most
// one point; the first other character ends the number, and no digit at all reads as 0.
inline double leadingValue(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (blanks.find(c) == std::string_view::npos) {
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

inline std::string separatorsAsPoints(std::string_view text, bool arabicLocale) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (arabicLocale && text.substr(i, arabicSeparator.size()) == arabicSeparator) {
            result += '.';
            i += arabicSeparator.size() - 1;
        } else {
            result += text[i] == ',' ? '.' : text[i];
        }
    }
    return result;
}

} // namespace tarvisol::fuzz
