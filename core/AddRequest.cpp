// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AddRequest.h"

#include "core/AllowedRange.h"
#include "core/Messages.h"
#include "core/NumberInput.h"

#include <algorithm>
#include <array>

namespace tarvisol {

namespace {

void complain(MessageService& service, const std::string& text) {
    // The sound comes first so that it marks the moment of the mistake, not of the reading.
    service.beep();
    service.messageBox(text, messages::errorTitle, MessageIcon::Critical, MessageButtons::Ok);
}

double readTyped(std::string_view text, std::string_view userSeparator) {
    return leadingNumber(withDecimalPoints(text, userSeparator));
}

} // namespace

bool isInAllowedRange(const Combination& c) {
    return formatRange.contains(c.width) && formatRange.contains(c.height) &&
           focalLengthRange.contains(c.focalLength);
}

AddOutcome addRequest(EntryTable& table, MessageService& service, std::string_view widthText,
                      std::string_view heightText, std::string_view focalLengthText,
                      std::string_view userSeparator) {
    const std::array texts{widthText, heightText, focalLengthText};
    const auto numericCount = std::count_if(texts.begin(), texts.end(), [&](std::string_view t) {
        return isNumeric(t, userSeparator);
    });
    if (numericCount != 3) {
        complain(service, messages::notNumeric);
        return AddOutcome::RejectedNotNumeric;
    }

    const Combination typed{readTyped(widthText, userSeparator),
                            readTyped(heightText, userSeparator),
                            readTyped(focalLengthText, userSeparator)};
    if (!isInAllowedRange(typed)) {
        complain(service, messages::outOfRange);
        return AddOutcome::RejectedOutOfRange;
    }

    if (table.find(typed.width, typed.height, typed.focalLength)) {
        return AddOutcome::AlreadyStored;
    }
    if (table.store(typed.width, typed.height, typed.focalLength) ==
        EntryTable::StoreResult::ReplacedLastEntry) {
        complain(service, messages::tableFull);
        return AddOutcome::StoredOnFullTable;
    }
    return AddOutcome::Stored;
}

} // namespace tarvisol
