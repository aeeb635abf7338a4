#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "ui/control_table.h"
#include "version/version.h"

#include <array>
#include <span>
#include <string_view>

namespace orbel {

// The main window's table of controls and the tables its actions follow:
// the unit options and the unit each field is spoken with. A camera's page,
// caption and tooltip are the catalogue's, not the table's.

inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kMainWindowName = "Form1";
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

inline constexpr std::string_view kCalculateControl = "Command1";

// The frame of each camera page, in the order of Page.
inline constexpr std::array<std::string_view, 2> kPageControls = {"Frame2", "Frame3"};

std::span<const ControlRow> mainWindowControls();

} // namespace orbel
