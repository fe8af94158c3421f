// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tarvisol {

// Whether a typed text is a plain decimal number as a whole: blanks, an optional sign, digits
// with at most one "." or "," among them (at least one digit), blanks; and its value fits in a
// double. Nothing else passes: no exponents, no digit grouping, no "inf" or "nan", no hex.
bool isNumeric(std::string_view text);

// Reads the number at the start of a text whose commas have already become points. Blanks,
// tabs and line feeds are skipped wherever they stand; an optional sign comes first, then
// digits with at most one point; reading stops at the first character that cannot continue
// the number. A text without a digit reads as 0. Never fails: a value beyond the double range
// reads as an infinity of its sign.
double leadingNumber(std::string_view text);

} // namespace tarvisol
