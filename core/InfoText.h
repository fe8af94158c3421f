// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EntryTable.h"

#include <string>
#include <string_view>

namespace tarvisol {

// The texts of the info window. Lines end with CR LF.

// The title, the credits (the first ending with the given year) and the operating help.
std::string helpText(int year);

// One line per entry: format, focal length, angles in degrees and in arc minutes, separated by
// tabs. Shows the angles the last drawing stored in the table.
std::string valueList(const EntryTable& table, std::string_view decimalSeparator);

enum class InfoMode { None, Help, List };

// What the main window's `iTxt` asks for: exactly "h" the help text, exactly "l" the value list,
// anything else (empty included) nothing.
InfoMode infoMode(std::string_view iTxt);

std::string infoText(InfoMode mode, const EntryTable& table, int year,
                     std::string_view decimalSeparator);

} // namespace tarvisol
