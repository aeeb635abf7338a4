#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orbel {

// The two camera pages; exactly one is visible at a time.
enum class Page { Frame2, Frame3 };

struct CustomEntry;

// One camera preset: an option button on a camera page. Selecting it writes
// its sensor width into the hidden Sensor field.
struct Preset {
    std::string_view control; // the option button's name
    Page page;
    std::string_view caption; // "&&" shows as one ampersand
    std::string_view tooltip;
    double sensorWidth;        // millimetres
    int horizontalPixels;      // as the caption gives it; 0 where the camera does not say
    const CustomEntry* custom; // the custom-resolution entry, if it has one
    bool firstChoice; // selected when its page is turned to, and at start on the shown page
};

// The fifteen presets, page by page, top to bottom.
std::span<const Preset> presets();

// The preset with this control name, or nullptr.
const Preset* findPreset(std::string_view control);

// The preset a page turn selects on the page it shows: its first choice.
const Preset& defaultPreset(Page page);

// The text a selection writes into Sensor ("27.776", "4.8").
std::string sensorText(const Preset& preset);

// The caption as the window shows it: "&&" is one ampersand.
std::string shownCaption(const Preset& preset);

} // namespace orbel
