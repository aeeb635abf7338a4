// Text to number accepts exactly the plain decimal numbers and refuses a
// plain one only when it is beyond the double range; every number shown as
// text is in the shown form, keeps 15 significant digits and parses back to a
// double that is shown as the same text.
#include "fuzz_check.h"
#include "number_forms.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using orbel::fuzz::isPlainDecimal;
using orbel::fuzz::isShownNumber;
using orbel::fuzz::leadingPowerOfTen;

bool typedNegative(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first != std::string_view::npos && text[first] == '-';
}

// The same number written as "0.<significant digits>e<power + 1>": any other
// spelling of a number must give the very same double.
std::string respelled(std::string_view text, long power) {
    std::string digits;
    const std::size_t end = text.find_first_of("eE");
    for (char c : text.substr(0, end))
        if (c >= '0' && c <= '9' && (!digits.empty() || c != '0'))
            digits += c;
    while (digits.back() == '0')
        digits.pop_back();
    std::array<char, 24> exponent{};
    const auto written =
        std::to_chars(exponent.data(), exponent.data() + exponent.size(), power + 1);
    return (typedNegative(text) ? "-0." : "0.") + digits + "e" +
           std::string(exponent.data(), written.ptr);
}

void checkShown(double value) {
    if (!std::isfinite(value)) {
        bool refused = false;
        try {
            orbel::numberToText(value);
        } catch (const orbel::RunTimeError& error) {
            refused = error.code() == orbel::ErrorCode::Overflow;
        }
        FUZZ_CHECK(refused);
        return;
    }
    const std::string text = orbel::numberToText(value);
    FUZZ_CHECK(isShownNumber(text));
    const double back = orbel::textToNumber(text);
    FUZZ_CHECK(orbel::numberToText(back) == text);
    // Half a unit of the 15th digit, and the rounding of the read-back double.
    const double allowed = std::fabs(value) * 5.2e-15 + std::numeric_limits<double>::denorm_min();
    FUZZ_CHECK(std::fabs(back - value) <= allowed);
}

void checkTyped(std::string_view text) {
    const bool plain = isPlainDecimal(text);
    const std::optional<long> power = leadingPowerOfTen(text);
    double value = 0;
    try {
        value = orbel::textToNumber(text);
    } catch (const orbel::RunTimeError& error) {
        if (plain)
            FUZZ_CHECK(error.code() == orbel::ErrorCode::Overflow && power && *power >= 308);
        else
            FUZZ_CHECK(error.code() == orbel::ErrorCode::TypeMismatch);
        return;
    }
    FUZZ_CHECK(plain);
    FUZZ_CHECK(std::isfinite(value));
    if (!power) {
        FUZZ_CHECK(value == 0.0);
    } else {
        FUZZ_CHECK(*power <= 308);
        if (*power >= -323) // at least 1E-323: never lost to zero
            FUZZ_CHECK(value != 0.0 && std::signbit(value) == typedNegative(text));
        if (*power <= -325) // below half the smallest double
            FUZZ_CHECK(value == 0.0);
        if (*power > -400 && *power < 400) {
            const double again = orbel::textToNumber(respelled(text, *power));
            FUZZ_CHECK(again == value && std::signbit(again) == std::signbit(value));
        }
    }
    checkShown(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkTyped(std::string_view(reinterpret_cast<const char*>(data), size));

    // The same bytes read as a double, infinities and NaNs included.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkShown(value);
    }
    return 0;
}
