// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric test and the leading-number parse against the independent reading in
// NumberOracle.h: the test passes exactly the accepted forms, every accepted text reads as its
// decimal value, and any text at all reads as the leading-number rules say.

#include "NumberOracle.h"
#include "core/NumberInput.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void fail(const char* what, std::string_view text, double got, double expected) {
    std::fprintf(stderr, "%s for \"%.*s\": got %.17g, expected %.17g\n", what, int(text.size()),
                 text.data(), got, expected);
    std::abort();
}

bool sameValue(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Every text is judged twice: for a user whose locale shows "." and for one whose locale shows
// the Arabic "٫", which then counts as a decimal separator too.
void checkText(std::string_view text, bool arabicLocale) {
    using namespace tarvisol;
    const std::string_view userSeparator = arabicLocale ? fuzz::arabicSeparator : ".";

    const auto expected = fuzz::acceptedValue(text, arabicLocale);
    const bool numeric = isNumeric(text, userSeparator);
    if (numeric != expected.has_value()) {
        fail(numeric ? "isNumeric passes a text outside the accepted forms"
                     : "isNumeric rejects an accepted text",
             text, numeric, expected.has_value());
    }

    const std::string withPoints = fuzz::separatorsAsPoints(text, arabicLocale);
    if (withDecimalPoints(text, userSeparator) != withPoints) {
        fail("withDecimalPoints turns other characters into points", text, 0, 0);
    }
    const double read = leadingNumber(withPoints);
    if (expected && read != *expected) {
        fail("leadingNumber misreads an accepted text", text, read, *expected);
    }
    const double leading = fuzz::leadingValue(withPoints);
    if (!sameValue(read, leading)) {
        fail("leadingNumber breaks the leading-number rules", text, read, leading);
    }
    // Also on the raw text, commas and all: it must never fail, whatever stands in it.
    const double raw = leadingNumber(text);
    if (!sameValue(raw, fuzz::leadingValue(text))) {
        fail("leadingNumber breaks the leading-number rules on a raw text", text, raw,
             fuzz::leadingValue(text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text, false);
    checkText(text, true);
    return 0;
}
