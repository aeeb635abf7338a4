// A custom resolution either changes Sensor, caption and tooltip together,
// with a rendered number, or changes nothing; it changes nothing exactly when
// the text is not a number.
#include "calc/custom_resolution.h"
#include "calc/sensor_catalogue.h"
#include "fuzz_check.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    std::vector<const orbel::CustomEntry*> entries;
    for (const orbel::Preset& preset : orbel::presets())
        if (preset.custom)
            entries.push_back(preset.custom);
    const orbel::CustomEntry& entry = *entries[data[0] % entries.size()];
    const std::string entered(reinterpret_cast<const char*>(data + 1), size - 1);

    bool isNumber = true;
    try {
        orbel::textToNumber(entered);
    } catch (const orbel::RunTimeError&) {
        isNumber = false;
    }
    const auto result = orbel::applyCustomResolution(entry, entered);
    FUZZ_CHECK(result.has_value() == isNumber);
    if (result) {
        FUZZ_CHECK(orbel::numberToText(orbel::textToNumber(result->sensor)) == result->sensor);
        FUZZ_CHECK(result->caption == std::string(entry.captionPrefix) + entered);
        FUZZ_CHECK(result->tooltip == result->sensor + "mm");
    }
    return 0;
}
