// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarvisol {

// A typed text with every decimal separator it may use turned into a point: "," always, and the
// user's own separator (the one shown numbers carry, e.g. the "٫" of Arabic and Persian locales)
// where it is neither "." nor ",", since users type a number as the tool shows it. A user
// separator with any ASCII character in it counts for nothing, so that no ASCII text changes
// its reading with the locale.
std::string withDecimalPoints(std::string_view text, std::string_view userSeparator);

// Whether a typed text is a plain decimal number as a whole: blanks, an optional sign, digits
// with at most one decimal separator among them ("." or "," or the user's own, see
// withDecimalPoints; at least one digit), blanks; and its value fits in a double. A tab,
// carriage return or line feed around the number counts as a blank, as a value pasted from a
// spreadsheet cell brings one. Nothing else passes: no exponents, no digit grouping, no "inf"
// or "nan", no hex, no other white space.
bool isNumeric(std::string_view text, std::string_view userSeparator);

// Reads the number at the start of a text whose separators have already become points
// (withDecimalPoints). Blanks, tabs, carriage returns and line feeds are skipped wherever they
// stand; an optional sign comes first, then digits with at most one point; reading stops at the
// first character that cannot continue the number. A text without a digit reads as 0. Never
// fails: a value beyond the double range reads as an infinity of its sign.
double leadingNumber(std::string_view text);

} // namespace tarvisol
