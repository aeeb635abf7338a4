#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "ui/control_table.h"
#include "version/version.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace orbel {

// The main window's table of controls, and the one map from the lens model
// to the window: which control shows each field, each unit system, each
// camera page and each camera. A camera's page, caption and tooltip are the
// catalogue's, not the table's.

inline constexpr int kFormWidthTwips = 6300;
inline constexpr int kFormHeightTwips = 4860;
inline constexpr std::string_view kMainWindowName = "Form1";
inline constexpr std::string_view kFormCaption = kProductName;

// The text box of each field, in the order of Field.
inline constexpr std::array<std::string_view, 5> kFieldControls = {"Wdth", "Dist", "Fmm", "Sensor",
                                                                   "FOV"};
constexpr std::string_view fieldControl(Field field) {
    return kFieldControls[static_cast<std::size_t>(field)];
}

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

// The option button of each camera, in the catalogue's order.
inline constexpr std::array<std::string_view, kPresetCount> kCameraControls = {
    "Option9", "Option13", "Option14", "Option15", "Option7", "Option4",  "Option8", "Option18",
    "Option1", "Option2",  "Option6",  "Option5",  "Option3", "Option16", "Option17"};

// The camera shown by this option button, or nullptr.
const Preset* cameraOf(std::string_view control);

std::span<const ControlRow> mainWindowControls();

} // namespace orbel
