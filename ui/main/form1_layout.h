#pragma once

#include "calc/lens_fields.h"
#include "runtime/version.h"

#include <array>
#include <span>
#include <string_view>

namespace orbel {

class Form1;

// The main window's description: every control with its kind, container,
// place and size in twips, tab position, caption, start state and handlers.
enum class ControlKind { Label, TextBox, CommandButton, Frame, OptionButton };

enum class StartState {
    Shown,
    Hidden,
    Disabled,
    Selected,   // an option button checked at start
    HasFocus,   // the control the window opens with the focus in
    LargerFont, // the caption of the focal length, a size up from the rest
};

using Handler = void (Form1::*)();

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view container;   // "Form1" or the frame that holds it
    int left, top, width, height; // twips
    int tab;
    std::string_view caption; // a camera preset takes caption and tooltip from the catalogue
    StartState state;
    std::string_view labelFor; // a label's field, whose accessible name it gives
    Handler click;
    Handler dblClick;
};

inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kFormCaption = kProductName;
inline constexpr int kLargerFontPixels = 13;

// The unit options: the unit each one writes beside the two lengths, and the
// flag it stands for in the record.
struct UnitRow {
    std::string_view control;
    std::string_view label;
    bool UnitFlags::*flag;
};
// clang-format off
inline constexpr std::array<UnitRow, 3> kUnits = {{
    {"Option10", " Ft",  &UnitFlags::feet},
    {"Option11", " in.", &UnitFlags::inches},
    {"Option12", " M",   &UnitFlags::meters},
}};
// clang-format on

std::span<const ControlRow> form1Controls();

} // namespace orbel
