#pragma once

#include <span>
#include <string_view>

namespace orbel {

// The main window's description: every control with its kind, container,
// place and size in twips, tab position, caption and start state.
enum class ControlKind { Label, TextBox, CommandButton, Frame, OptionButton };

enum class StartState {
    Shown,
    Hidden,
    Disabled,
    Selected,   // an option button checked at start
    HasFocus,   // the control the window opens with the focus in
    LargerFont, // the caption of the focal length, a size up from the rest
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view container;   // "Form1" or the frame that holds it
    int left, top, width, height; // twips
    int tab;
    std::string_view caption; // a camera preset takes caption and tooltip from the catalogue
    StartState state;
    std::string_view labelFor; // a label's field, whose accessible name it gives
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kFormCaption = "Orbel Lens Calculator";

// The window's font, in logical pixels so that captions fit their boxes on a
// screen of any density: 11 px is the classic 8.25-point dialog font at 96 dpi.
// A list, first installed family wins. On Windows that is the dialog font
// itself, MS Sans Serif, or its outline successor Microsoft Sans Serif; where
// neither can be drawn (Wine's substitute is a bitmap the toolkit does not
// list), the narrow font the captions are sized for elsewhere.
#ifdef _WIN32
inline constexpr std::string_view kFormFontFamily =
    "MS Sans Serif,Microsoft Sans Serif,Liberation Sans Narrow";
#else
inline constexpr std::string_view kFormFontFamily = "Liberation Sans Narrow";
#endif
inline constexpr int kFormFontPixels = 11;
inline constexpr int kLargerFontPixels = 13;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

std::span<const ControlRow> form1Controls();

} // namespace orbel
