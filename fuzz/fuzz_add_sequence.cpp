// SPDX-License-Identifier: GPL-3.0-or-later
// Sequences of "hinzufügen" and "löschen" as the window runs them: each add request goes to the
// core with a recording message service, and an accepted one is followed by the field layout,
// as the window's drawing follows it. A model table kept here, from the independent number
// reading, says what each request must answer; after every step the entry table must agree
// with the model and keep its invariants.

#include "NumberOracle.h"
#include "RecordingMessageService.h"
#include "core/AddRequest.h"
#include "core/FieldLayout.h"
#include "core/Messages.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace tarvisol;
using Triple = std::array<double, 3>;

[[noreturn]] void fail(const char* what, int step) {
    std::fprintf(stderr, "step %d: %s\n", step, what);
    std::abort();
}

// Texts a user could well type, the range bounds and their neighbours among them, so that
// sequences reach every outcome rather than mostly "not a number".
const std::vector<std::string> typicalTexts = {
    "36", "24",   "50",    "36,0",   "36.0",   " 36 ",   "+50",   "5",    "1000",
    "10", "5000", "4.99",  "1000.5", "9.99",   "5000,5", "1,000", "-36",  "0",
    "",   "abc",  "36mm",  "36 mm",  "24.",    ",5",     "23,6",  "15.7", "200",
    "  ", "--5",  "1.2.3", "36\t",   "24\r\n", "\n50",   "36٫5",
};

std::string typedText(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return input.ConsumeRandomLengthString(24);
    case 1: {
        std::string text = std::to_string(input.ConsumeIntegralInRange(-20, 5100));
        if (input.ConsumeBool()) {
            text += input.ConsumeBool() ? "," : ".";
            text += std::to_string(input.ConsumeIntegralInRange(0, 99));
        }
        return text;
    }
    default:
        return typicalTexts[input.ConsumeIntegralInRange<std::size_t>(0, typicalTexts.size() - 1)];
    }
}

struct Expected {
    AddOutcome outcome;
    std::string message; // empty: no beep and no box
};

Expected expectedOutcome(std::vector<Triple>& model, const std::array<std::string, 3>& texts,
                         bool arabicLocale) {
    Triple values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto value = fuzz::acceptedValue(texts[i], arabicLocale);
        if (!value) {
            return {AddOutcome::RejectedNotNumeric, messages::notNumeric};
        }
        values[i] = *value;
    }
    auto within = [](double v, double lowest, double highest) {
        return v >= lowest && v <= highest;
    };
    if (!within(values[0], 5, 1000) || !within(values[1], 5, 1000) ||
        !within(values[2], 10, 5000)) {
        return {AddOutcome::RejectedOutOfRange, messages::outOfRange};
    }
    for (const Triple& entry : model) {
        if (entry == values) {
            return {AddOutcome::AlreadyStored, {}};
        }
    }
    if (model.size() == EntryTable::MaxEntries) {
        model.back() = values;
        return {AddOutcome::StoredOnFullTable, messages::tableFull};
    }
    model.push_back(values);
    return {AddOutcome::Stored, {}};
}

void checkMessages(const testing::RecordingMessageService& service, const Expected& expected,
                   int step) {
    if (expected.message.empty()) {
        if (!service.events.empty()) {
            fail("a beep or box where none belongs", step);
        }
    } else if (service.singleErrorText() != expected.message) {
        fail("not the one beep and error box this outcome gives", step);
    }
}

// The model holds only combinations the add request accepted, distinct and in range, so a
// table equal to it row by row is too.
void checkTable(const EntryTable& table, const std::vector<Triple>& model, bool anglesDrawn,
                int step) {
    if (table.count() < 0 || table.count() > EntryTable::MaxEntries) {
        fail("count outside 0 to 999", step);
    }
    if (std::size_t(table.count()) != model.size()) {
        fail("count differs from the entries accepted", step);
    }
    for (int row = 1; row <= table.count(); ++row) {
        const Triple& entry = model[std::size_t(row - 1)];
        const double w = table.value(EntryTable::Width, row);
        const double h = table.value(EntryTable::Height, row);
        const double f = table.value(EntryTable::FocalLength, row);
        if (w != entry[0] || h != entry[1] || f != entry[2]) {
            fail("an entry differs from the one stored", step);
        }
        if (anglesDrawn) {
            const double a = table.value(EntryTable::HorizontalAngle, row);
            const double b = table.value(EntryTable::VerticalAngle, row);
            if (a != angleOfView(w, f) || b != angleOfView(h, f) || !(a > 0 && a < 180) ||
                !(b > 0 && b < 180)) {
                fail("angles not the ones of the entry's values", step);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    EntryTable table;
    table.dimension();
    std::vector<Triple> model;
    bool anglesDrawn = true;
    bool filled = false;

    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 9)) {
        case 0:
            table.clear();
            model.clear();
            break;
        case 1: {
            if (filled) {
                break;
            }
            filled = true;
            // Fills the table up to 999 distinct entries (or just below), so the full-table
            // answers are within reach of short inputs. Stored directly, as the add request
            // would store them: a thousand requests per input would leave the fuzzer slow.
            const int target = EntryTable::MaxEntries - input.ConsumeIntegralInRange(0, 2);
            std::set<Triple> known(model.begin(), model.end());
            for (int i = 0; int(model.size()) < target; ++i) {
                const Triple entry{double(5 + i % 995), 24, double(10 + i / 995)};
                if (known.insert(entry).second) {
                    model.push_back(entry);
                    table.store(entry[0], entry[1], entry[2]);
                }
            }
            anglesDrawn = false;
            break;
        }
        default: {
            const std::array<std::string, 3> texts{typedText(input), typedText(input),
                                                   typedText(input)};
            const bool arabicLocale = input.ConsumeBool();
            testing::RecordingMessageService service;
            const Expected expected = expectedOutcome(model, texts, arabicLocale);
            const AddOutcome outcome =
                addRequest(table, service, texts[0], texts[1], texts[2],
                           arabicLocale ? fuzz::arabicSeparator : std::string_view("."));
            if (outcome != expected.outcome) {
                fail("the wrong outcome", step);
            }
            checkMessages(service, expected, step);
            if (isAccepted(outcome)) {
                const float width = input.ConsumeFloatingPointInRange(-20000.0f, 200000.0f);
                const float height = input.ConsumeFloatingPointInRange(-20000.0f, 200000.0f);
                // The frame computes every entry's angles, as each drawing does.
                const FieldLayout frame(table, width, height);
                if (!std::isfinite(frame.scale())) {
                    fail("a scale that is not finite", step);
                }
                anglesDrawn = true;
            }
            break;
        }
        }
        checkTable(table, model, anglesDrawn, step);
    }
    return 0;
}
