// A camera's custom resolution: its prompt, and the sensor width, caption and
// tooltip an entered resolution gives.
#include "custom_resolution.h"

#include "runtime/arithmetic.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbel {

std::string customPrompt(const CustomEntry& entry) {
    return "Enter new Horizontal Resolution\r\r" + std::string(entry.pitchLine);
}

std::optional<CustomResult> applyCustomResolution(const CustomEntry& entry,
                                                  std::string_view entered) {
    try {
        CustomResult result;
        result.sensor = numberToText(product(entry.pixelPitch, entered));
        // The caption keeps the text as typed, not the converted number.
        result.caption = std::string(entry.captionPrefix) + std::string(entered);
        result.tooltip = result.sensor + "mm";
        return result;
    } catch (const RunTimeError&) {
        // The entry's trap: any run-time error ends it silently.
        return std::nullopt;
    }
}

} // namespace orbel
