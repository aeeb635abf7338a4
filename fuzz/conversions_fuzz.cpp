// Any text converts to a finite number or raises Type mismatch or Overflow.
// Any double, from the text or from the raw bytes, shows as digits, point,
// sign and exponent only, within half a unit of its 15th digit, and reads back
// as the very same text; an infinity or a NaN is never shown.
#include "fuzz_check.h"
#include "runtime/conversions.h"
#include "support/fakes.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

void checkShown(double value) {
    using orbel::numberToText;
    if (!std::isfinite(value))
        return FUZZ_CHECK(orbel::testing::raised([&] { numberToText(value); }) ==
                          orbel::ErrorCode::Overflow);
    const std::string text = numberToText(value);
    const double back = orbel::textToNumber(text);
    FUZZ_CHECK(text.size() <= 22 && text.find_first_not_of("0123456789.E+-") == std::string::npos);
    FUZZ_CHECK(numberToText(back) == text &&
               std::fabs(back - value) <= std::fabs(value) * 5.2e-15 + 5e-324);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    const auto error = orbel::testing::raised([&] {
        value = orbel::textToNumber({reinterpret_cast<const char*>(data), size});
    });
    FUZZ_CHECK(!error || error == orbel::ErrorCode::TypeMismatch ||
               error == orbel::ErrorCode::Overflow);
    checkShown(value);
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        checkShown(value);
    }
    return 0;
}
