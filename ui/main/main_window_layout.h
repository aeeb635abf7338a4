#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "ui/control_table.h"
#include "version/version.h"

#include <array>
#include <span>
#include <string_view>

namespace orbel {

// The main window's table of controls and the tables its actions follow:
// the unit options. A camera's page,
// caption and tooltip are the catalogue's, not the table's.

inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kMainWindowName = "Form1";
inline constexpr std::string_view kFormCaption = kProductName;

// The unit options, one for each unit system.
struct UnitRow {
    std::string_view control;
    const UnitSystem& system;
};
// clang-format off
inline constexpr std::array<UnitRow, 3> kUnits = {{
    {"Option10", kUnitSystems[0]},
    {"Option11", kUnitSystems[1]},
    {"Option12", kUnitSystems[2]},
}};
// clang-format on

inline constexpr std::string_view kCalculateControl = "Command1";

// The frame of each camera page, in the order of Page.
inline constexpr std::array<std::string_view, 2> kPageControls = {"Frame2", "Frame3"};

std::span<const ControlRow> mainWindowControls();

} // namespace orbel
