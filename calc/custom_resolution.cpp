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

std::string resolutionRefusal(ResolutionRefusal why) {
    switch (why) {
    case ResolutionRefusal::NotANumber:
        return "is not a number";
    case ResolutionRefusal::NotAboveZero:
        return "is not above zero";
    case ResolutionRefusal::TooLarge:
        return "is above " + numberToText(kMostHorizontalPixels) + " pixels";
    case ResolutionRefusal::TooSmall:
        return "is too small: the sensor width would be zero";
    }
    return {};
}

CustomOutcome applyCustomResolution(const CustomEntry& entry, std::string_view entered) {
    double pixels = 0;
    try {
        pixels = textToNumber(entered);
    } catch (const RunTimeError& error) {
        return error.code() == ErrorCode::Overflow ? ResolutionRefusal::TooLarge
                                                   : ResolutionRefusal::NotANumber;
    }
    if (!(pixels > 0))
        return ResolutionRefusal::NotAboveZero;
    if (pixels > kMostHorizontalPixels)
        return ResolutionRefusal::TooLarge;
    const double sensor = product(entry.pixelPitch, pixels);
    if (sensor == 0)
        return ResolutionRefusal::TooSmall;
    CustomResult result;
    result.sensor = numberToText(sensor);
    // The caption keeps the text as typed, not the converted number.
    result.caption = std::string(entry.captionPrefix) + std::string(entered);
    result.tooltip = result.sensor + "mm";
    return result;
}

} // namespace orbel
