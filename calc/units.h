#pragma once

#include "calc/lens_fields.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orbel {

// The three unit systems, in the order of Units: the word a user picks one by, the label the window
// writes beside the two lengths, and that unit as a screen reader says it.
struct UnitSystem {
    Units units;
    std::string_view name;
    std::string_view label;
    std::string_view spoken;
};
// clang-format off
inline constexpr std::array<UnitSystem, 3> kUnitSystems = {{
    {Units::Feet,   "feet",   " Ft",  "feet"},
    {Units::Inches, "inches", " in.", "inches"},
    {Units::Meters, "meters", " M",   "metres"},
}};

// The fields whose unit stays whatever the unit system: the label beside the
// field (the field of view has none) and the unit as a screen reader says it.
struct FieldUnit {
    Field field;
    std::string_view label;
    std::string_view spoken;
};
inline constexpr std::array<FieldUnit, 3> kFieldUnits = {{
    {Field::FocalLength, "mm", "millimetres"},
    {Field::SensorWidth, "mm", "millimetres"},
    {Field::FieldOfView, "",   "degrees"},
}};
// clang-format on

constexpr bool unitSystemsInOrder() {
    bool inOrder = true;
    int i = 0;
    for (const UnitSystem& system : kUnitSystems)
        inOrder &= system.units == static_cast<Units>(i++);
    return inOrder;
}
static_assert(unitSystemsInOrder());

constexpr const UnitSystem& unitSystem(Units units) {
    return kUnitSystems[static_cast<std::size_t>(units)];
}

// A field's fixed unit, or none where the unit system gives it.
constexpr const FieldUnit* fixedUnit(Field field) {
    for (const FieldUnit& fixed : kFieldUnits)
        if (fixed.field == field)
            return &fixed;
    return nullptr;
}

} // namespace orbel
