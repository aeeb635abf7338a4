// Text to number accepts exactly the plain decimal numbers, and every number
// rendered as text parses back to a double that renders as the same text.
#include "fuzz_check.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <regex>
#include <string>

namespace {

// An independent statement of the accepted form.
bool plainDecimal(const std::string& text) {
    static const std::regex form(
        R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
    return std::regex_match(text, form);
}

void checkRendering(double value) {
    const std::string text = orbel::numberToText(value);
    FUZZ_CHECK(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
    FUZZ_CHECK(plainDecimal(text));
    FUZZ_CHECK(orbel::numberToText(orbel::textToNumber(text)) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = orbel::textToNumber(text);
        FUZZ_CHECK(plainDecimal(text));
        FUZZ_CHECK(std::isfinite(value));
        checkRendering(value);
    } catch (const orbel::RunTimeError& error) {
        // A plain decimal number is refused only for being out of range.
        FUZZ_CHECK(!plainDecimal(text) || error.code() == orbel::ErrorCode::Overflow);
    }

    // The same bytes read as a double.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            checkRendering(value);
    }
    return 0;
}
