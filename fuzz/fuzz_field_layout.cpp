// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing and the number texts on any table and any drawing-area size, the zero and
// negative sizes of a window shrunk below its margins included. Entries inside the allowed
// ranges, which are all the add request ever stores, must give finite coordinates; entries of
// any value at all must still lay out and format without a fault. Number texts are checked
// against their value.

#include "RecordingCanvas.h"
#include "core/NumberFormat.h"
#include "core/Zeichnen.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

using namespace tarvisol;

[[noreturn]] void fail(const char* what, double value = 0) {
    std::fprintf(stderr, "%s (%.17g)\n", what, value);
    std::abort();
}

double allowedValue(FuzzedDataProvider& input, double lowest, double highest) {
    return input.ConsumeFloatingPointInRange(lowest, highest);
}

float anySize(FuzzedDataProvider& input) {
    const float size = input.ConsumeFloatingPoint<float>();
    return std::isfinite(size) ? size : 0.0f;
}

// Reads a number text back with "." for the separator used, in long double, whose wider range
// holds a 15-digit rounding of the largest doubles.
long double readBack(std::string text, const std::string& separator) {
    if (const auto at = text.find(separator); !separator.empty() && at != std::string::npos) {
        text.replace(at, separator.size(), ".");
    }
    if (text.empty() || text == "-") {
        fail("an empty number text");
    }
    return std::strtold(text.c_str(), nullptr);
}

void checkNumberTexts(double value) {
    const std::string separator = ",";
    for (const auto pattern : {NumberPattern::General, NumberPattern::HashDotZero,
                               NumberPattern::ZeroDotZeroZero, NumberPattern::ZeroDotZero}) {
        const std::string text = formatNumber(value, pattern, separator);
        if (!std::isfinite(value)) {
            continue;
        }
        if (text.find_first_not_of("-0123456789,") != std::string::npos) {
            fail("a number text with a stray character", value);
        }
        const long double back = readBack(text, separator);
        const double magnitude = std::fabs(value);
        // General keeps 15 significant digits; the patterns round to their last decimal.
        const long double allowed = pattern == NumberPattern::General ? magnitude * 5.2e-15
                                    : pattern == NumberPattern::ZeroDotZeroZero
                                        ? 0.005 + magnitude * 1e-15
                                        : 0.05 + magnitude * 1e-15;
        if (!(std::fabs(back - value) <= allowed)) {
            fail("a number text far from its value", value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool allowedOnly = input.ConsumeBool();
    const float scaleWidth = anySize(input);
    const float scaleHeight = anySize(input);
    const std::string separator = input.ConsumeBool() ? "," : input.ConsumeRandomLengthString(4);

    EntryTable table;
    table.dimension();
    const int entries = input.ConsumeIntegralInRange(0, int(EntryTable::MaxEntries));
    for (int row = 1; row <= entries; ++row) {
        if (allowedOnly) {
            table.store(allowedValue(input, 5, 1000), allowedValue(input, 5, 1000),
                        allowedValue(input, 10, 5000));
        } else {
            table.store(input.ConsumeFloatingPoint<double>(), input.ConsumeFloatingPoint<double>(),
                        input.ConsumeFloatingPoint<double>());
        }
        if (input.remaining_bytes() == 0) {
            break;
        }
    }

    testing::RecordingCanvas canvas(scaleWidth, scaleHeight);
    Zeichnen(table, canvas, separator);
    const auto fields = canvas.fields();
    if (fields.size() != std::size_t(table.count())) {
        fail("not one field per entry");
    }
    for (const auto& field : fields) {
        const float coordinates[] = {field.rectangle.x,     field.rectangle.y,
                                     field.rectangle.width, field.rectangle.height,
                                     field.textX,           field.textY};
        for (const float c : coordinates) {
            if (allowedOnly && !std::isfinite(c)) {
                fail("a coordinate that is not finite", c);
            }
        }
        if (allowedOnly && field.textY != field.rectangle.y) {
            fail("a label off its field's top edge", field.textY);
        }
        if (field.printed != field.measured) {
            fail("a label printed that was not the one measured");
        }
    }

    for (int row = 1; row <= table.count() && row <= 8; ++row) {
        for (const auto column :
             {EntryTable::Width, EntryTable::FocalLength, EntryTable::HorizontalAngle}) {
            checkNumberTexts(table.value(column, row));
        }
    }
    checkNumberTexts(input.ConsumeFloatingPoint<double>());
    return 0;
}
