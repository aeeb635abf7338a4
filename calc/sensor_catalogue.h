#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace orbel {

// The two camera pages; exactly one is visible at a time.
enum class Page { First, Second };

struct CustomEntry;

// One camera preset on a camera page. Selecting it sets the sensor width of
// the calculation.
struct Preset {
    Page page;
    std::string_view caption; // "&&" shows as one ampersand
    std::string_view tooltip;
    double sensorWidth;        // millimetres
    const CustomEntry* custom; // the custom-resolution entry, if it has one
    bool firstChoice; // selected when its page is turned to, and at start on the shown page

    // The horizontal pixels the caption gives: its last word, when it is a
    // resolution ("Lumo - 1280x1024"); 0 where the camera does not say.
    constexpr int horizontalPixels() const {
        const std::string_view word = caption.substr(caption.rfind(' ') + 1);
        const std::size_t times = word.find('x');
        int pixels = 0;
        for (std::size_t at = 0; times != std::string_view::npos && at < times; ++at)
            pixels = pixels * 10 + (word[at] - '0');
        return pixels;
    }
};

inline constexpr std::size_t kPresetCount = 15;

// The fifteen presets, page by page, top to bottom: a preset is known by its
// place here.
std::span<const Preset> presets();

// The preset a page turn selects on the page it shows: its first choice.
const Preset& defaultPreset(Page page);

// The sensor width a selection sets, as text ("27.776", "4.8").
std::string sensorText(const Preset& preset);

// The caption as the window shows it: "&&" is one ampersand.
std::string shownCaption(const Preset& preset);

} // namespace orbel
