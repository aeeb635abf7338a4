// A custom resolution, on any of the six entries: input is one byte choosing
// the entry, then the text as typed. The entry either changes Sensor, caption
// and tooltip together, or, when the text is not a number, nothing; the new
// width is in the shown form and is the pitch times the number typed, to 15
// significant digits; the caption keeps the text exactly as typed.
#include "calc/custom_resolution.h"
#include "calc/sensor_catalogue.h"
#include "fuzz_check.h"
#include "number_forms.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<const orbel::CustomEntry*> customEntries() {
    std::vector<const orbel::CustomEntry*> entries;
    for (const orbel::Preset& preset : orbel::presets())
        if (preset.custom)
            entries.push_back(preset.custom);
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const orbel::CustomEntry*> entries = customEntries();
    FUZZ_CHECK(entries.size() == 6);
    if (size < 1)
        return 0;
    const orbel::CustomEntry& entry = *entries[data[0] % entries.size()];
    const std::string entered(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto result = orbel::applyCustomResolution(entry, entered);
    // Every pitch is below one millimetre, so no finite resolution overflows.
    const bool inRange = orbel::fuzz::leadingPowerOfTen(entered).value_or(0) < 308;
    if (!orbel::fuzz::isPlainDecimal(entered)) {
        FUZZ_CHECK(!result);
        return 0;
    }
    if (inRange)
        FUZZ_CHECK(result.has_value());
    if (!result)
        return 0;

    FUZZ_CHECK(orbel::fuzz::isShownNumber(result->sensor));
    const double width = orbel::textToNumber(result->sensor);
    const double exact = entry.pixelPitch * orbel::textToNumber(entered);
    FUZZ_CHECK(std::fabs(width - exact) <=
               std::fabs(exact) * 5.2e-15 + std::numeric_limits<double>::denorm_min());
    FUZZ_CHECK(result->caption == std::string(entry.captionPrefix) + entered);
    FUZZ_CHECK(result->tooltip == result->sensor + "mm");
    return 0;
}
