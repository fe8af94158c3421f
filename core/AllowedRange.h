// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvisol {

// The values a typed dimension may take, in millimetres, both bounds included. The range check,
// its error message and the help text all take the bounds from here.
struct AllowedRange {
    int lowest;
    int highest;

    // NaN is never inside.
    constexpr bool contains(double value) const { return value >= lowest && value <= highest; }
    // As the texts name it: "5 - 1000".
    std::string text() const { return std::to_string(lowest) + " - " + std::to_string(highest); }
};

// Width and height of the film or sensor format.
inline constexpr AllowedRange formatRange{5, 1000};
inline constexpr AllowedRange focalLengthRange{10, 5000};

} // namespace tarvisol
