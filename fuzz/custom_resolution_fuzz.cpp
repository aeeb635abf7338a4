// A custom resolution on any of the six entries (first byte), typed as any
// text (the rest): either Sensor, caption and tooltip change together, the
// width being the pitch times the number to 15 digits and the caption the
// text as typed, or, when the text is no number, nothing changes.
#include "calc/custom_resolution.h"
#include "calc/sensor_catalogue.h"
#include "fuzz_check.h"
#include "runtime/conversions.h"
#include "support/fakes.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<const orbel::CustomEntry*> entries;
    for (const orbel::Preset& preset : orbel::presets())
        if (preset.custom)
            entries.push_back(preset.custom);
    FUZZ_CHECK(entries.size() == 6);
    if (size < 1)
        return 0;
    const orbel::CustomEntry& entry = *entries[data[0] % entries.size()];
    const std::string entered(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto result = orbel::applyCustomResolution(entry, entered);
    double typed = 0;
    // Every pitch is below 1 mm: a number never overflows.
    FUZZ_CHECK(!orbel::testing::raised([&] { typed = orbel::textToNumber(entered); }) ==
               result.has_value());
    if (!result)
        return 0;
    const double exact = entry.pixelPitch * typed;
    FUZZ_CHECK(std::fabs(orbel::textToNumber(result->sensor) - exact) <=
               std::fabs(exact) * 5.2e-15 + 5e-324);
    FUZZ_CHECK(result->caption == std::string(entry.captionPrefix) + entered &&
               result->tooltip == result->sensor + "mm");
    return 0;
}
