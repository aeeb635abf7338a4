#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// Pitch times the entered text. Cancel (empty text), a text that is not a
// number or an arithmetic fault gives nothing: the entry then changes nothing.
std::optional<CustomResult> applyCustomResolution(const CustomEntry& entry,
                                                  std::string_view entered);

} // namespace orbel
