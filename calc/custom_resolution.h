#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace orbel {

// What six presets ask for on a double-click: the horizontal resolution the
// camera records at, times its pixel pitch, gives the sensor width.
struct CustomEntry {
    std::string_view pitchLine; // the prompt's last line, as shown
    std::string_view defaultText;
    double pixelPitch; // millimetres
    std::string_view captionPrefix;
};

inline constexpr std::string_view kCustomResolutionTitle = "Custom Hor. Resolution";

// "Enter new Horizontal Resolution", two carriage returns, the pitch line.
std::string customPrompt(const CustomEntry& entry);

// What an accepted entry changes.
struct CustomResult {
    std::string sensor;  // the new sensor width, as text
    std::string caption; // the prefix and the text as typed
    std::string tooltip; // the new width and "mm"
};

// The most horizontal pixels a resolution may have: many times the widest
// sensor made (line-scan sensors of some 16,000 to 32,000 pixels), so that
// only a slip of the keyboard is refused.
inline constexpr double kMostHorizontalPixels = 1'000'000;

// Why an entry changes nothing.
enum class ResolutionRefusal {
    NotANumber,   // cancel (empty text) or a text that is no number
    NotAboveZero, // no camera records zero pixels or fewer
    TooLarge,     // above kMostHorizontalPixels
    TooSmall,     // above zero, but so little that the width it gives is zero
};

// Why, as a row of a table says it after the resolution: "is not above zero".
std::string resolutionRefusal(ResolutionRefusal why);

using CustomOutcome = std::variant<CustomResult, ResolutionRefusal>;

// Pitch times the entered text, for a resolution above zero and at most
// kMostHorizontalPixels; anything else is refused, and the entry then changes
// nothing.
CustomOutcome applyCustomResolution(const CustomEntry& entry, std::string_view entered);

} // namespace orbel
