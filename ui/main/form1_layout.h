#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "runtime/version.h"

#include <array>
#include <span>
#include <string_view>

namespace orbel {

class Form1;

// The main window's description: every control with its kind, container,
// place and size in twips, tab position, caption, start state, font and
// handlers. A camera's page, caption and tooltip are the catalogue's.
enum class ControlKind { Label, TextBox, CommandButton, Frame, OptionButton };

enum class StartState {
    Shown,
    Hidden,
    Disabled,
    Selected, // an option button checked at start
    HasFocus, // the control the window opens with the focus in
};

using Handler = void (Form1::*)();

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view
        container; // "Form1" or the frame that holds it; a camera's page is the catalogue's
    int left, top, width, height; // twips
    int tab;
    std::string_view caption; // a camera preset takes caption and tooltip from the catalogue
    StartState state;
    int fontPixels;            // 0: the window's font
    std::string_view labelFor; // the field whose caption a label shows
    Handler click;
    Handler dblClick;
};

inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kFormCaption = kProductName;

// The unit options: the unit each one writes beside the two lengths, that
// unit as a screen reader says it, and the flag it stands for in the record.
struct UnitRow {
    std::string_view control;
    std::string_view label;
    std::string_view spoken;
    bool UnitFlags::*flag;
};
// clang-format off
inline constexpr std::array<UnitRow, 3> kUnits = {{
    {"Option10", " Ft",  "feet",   &UnitFlags::feet},
    {"Option11", " in.", "inches", &UnitFlags::inches},
    {"Option12", " M",   "metres", &UnitFlags::meters},
}};

// The fields whose unit stays whatever the unit option, as a screen reader
// says it.
struct FixedUnit {
    Field field;
    std::string_view spoken;
};
inline constexpr std::array<FixedUnit, 3> kFixedUnits = {{
    {Field::Fmm,    "millimetres"},
    {Field::Sensor, "millimetres"},
    {Field::FOV,    "degrees"},
}};
// clang-format on

// The frame of each camera page, in the order of Page.
inline constexpr std::array<std::string_view, 2> kPageControls = {"Frame2", "Frame3"};

std::span<const ControlRow> form1Controls();

} // namespace orbel
