// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EntryTable.h"
#include "core/MessageService.h"

#include <string_view>

namespace tarvisol {

enum class AddOutcome {
    RejectedNotNumeric,
    RejectedOutOfRange,
    AlreadyStored,
    Stored,
    StoredOnFullTable,
};

// Accepted requests are followed by a redraw; rejected ones leave table and drawing alone.
constexpr bool isAccepted(AddOutcome outcome) {
    return outcome != AddOutcome::RejectedNotNumeric && outcome != AddOutcome::RejectedOutOfRange;
}

struct Combination {
    double width = 0;
    double height = 0;
    double focalLength = 0;
};

// Both bounds are allowed; NaN is never inside.
bool isInAllowedRange(const Combination& combination);

// What a press of "hinzufügen" does with the three typed texts (width, height, focal length):
// tests and reads them, checks the ranges, and stores the combination if it is new. Problems
// are told by a beep followed by an error box; the texts themselves are never changed.
// `userSeparator` is the decimal separator that shown numbers carry; typed ones may use it too.
AddOutcome addRequest(EntryTable& table, MessageService& service, std::string_view widthText,
                      std::string_view heightText, std::string_view focalLengthText,
                      std::string_view userSeparator);

} // namespace tarvisol
