#pragma once

#include "ui/window_look.h"

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

inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kFormCaption = "Orbel Lens Calculator";
inline constexpr int kLargerFontPixels = 13;

std::span<const ControlRow> form1Controls();

} // namespace orbel
