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
#include <limits>
#include <string>

namespace {

void checkShown(double value) {
    if (!std::isfinite(value))
        return FUZZ_CHECK(orbel::testing::raised([&] { orbel::numberToText(value); }) ==
                          orbel::ErrorCode::Overflow);
    const std::string text = orbel::numberToText(value);
    FUZZ_CHECK(text.size() <= 22 && text.find_first_not_of("0123456789.E+-") == std::string::npos);
    const double back = orbel::textToNumber(text);
    FUZZ_CHECK(orbel::numberToText(back) == text);
    FUZZ_CHECK(std::fabs(back - value) <=
               std::fabs(value) * 5.2e-15 + std::numeric_limits<double>::denorm_min());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        checkShown(
            orbel::textToNumber(std::string_view(reinterpret_cast<const char*>(data), size)));
    } catch (const orbel::RunTimeError& error) {
        FUZZ_CHECK(error.code() == orbel::ErrorCode::TypeMismatch ||
                   error.code() == orbel::ErrorCode::Overflow);
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkShown(value);
    }
    return 0;
}
