#pragma once

#include "calc/lens_fields.h"

#include <array>
#include <string_view>

namespace orbel {

// The three unit systems: the word a user picks one by, the label the window
// writes beside the two lengths, that unit as a screen reader says it, and
// the flag it stands for in the record.
using UnitFlag = bool UnitFlags::*; // named as LensText is

struct UnitSystem {
    std::string_view name;
    std::string_view label;
    std::string_view spoken;
    UnitFlag flag;
};
// clang-format off
inline constexpr std::array<UnitSystem, 3> kUnitSystems = {{
    {"feet",   " Ft",  "feet",   &UnitFlags::feet},
    {"inches", " in.", "inches", &UnitFlags::inches},
    {"meters", " M",   "metres", &UnitFlags::meters},
}};

// The fields whose unit stays whatever the unit system: the label beside the
// field (FOV has none) and the unit as a screen reader says it.
struct FieldUnit {
    Field field;
    std::string_view label;
    std::string_view spoken;
};
inline constexpr std::array<FieldUnit, 3> kFieldUnits = {{
    {Field::Fmm,    "mm", "millimetres"},
    {Field::Sensor, "mm", "millimetres"},
    {Field::FOV,    "",   "degrees"},
}};
// clang-format on

// A field's fixed unit, or none where the unit system gives it.
constexpr const FieldUnit* fixedUnit(Field field) {
    for (const FieldUnit& fixed : kFieldUnits)
        if (fixed.field == field)
            return &fixed;
    return nullptr;
}

} // namespace orbel
