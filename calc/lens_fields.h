#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orbel {

// The record of one calculation: the five quantities of a lens and the unit
// system of the two lengths. Every quantity lives here as text, exactly as
// the user sees it; the record starts as the window does, in meters.
enum class Field { Width, Distance, FocalLength, SensorWidth, FieldOfView };

// Object width and distance are in the unit system's unit; focal length and
// sensor width always in millimetres, the field of view in degrees.
enum class Units { Feet, Inches, Meters };
// The unit system a record, and the window, start in.
inline constexpr Units kStartUnits = Units::Meters;

struct LensFields {
    std::string width;
    std::string distance;
    std::string focalLength;
    std::string sensorWidth;
    std::string fieldOfView;
    Units units = kStartUnits;

    std::string& text(Field field);
    const std::string& text(Field field) const;
};

// A member of LensFields; named, because clang-format 14 and 19 space
// "T C::*name" apart.
using LensText = std::string LensFields::*;

// Each field: the caption a user knows it by, and its text in the record. In
// the order of Field.
struct FieldRow {
    Field field;
    std::string_view caption;
    LensText text;
};

// clang-format off
inline constexpr std::array<FieldRow, 5> kFields = {{
    {Field::Width,       "Object Width",    &LensFields::width},
    {Field::Distance,    "Object Distance", &LensFields::distance},
    {Field::FocalLength, "Lens f",          &LensFields::focalLength},
    {Field::SensorWidth, "Sensor Width",    &LensFields::sensorWidth},
    {Field::FieldOfView, "FOV",             &LensFields::fieldOfView},
}};
// clang-format on

constexpr bool fieldsInOrder() {
    bool inOrder = true;
    int i = 0;
    for (const FieldRow& row : kFields)
        inOrder &= row.field == static_cast<Field>(i++);
    return inOrder;
}
static_assert(fieldsInOrder());

constexpr const FieldRow& fieldRow(Field field) {
    return kFields[static_cast<std::size_t>(field)];
}

inline std::string& LensFields::text(Field field) {
    return this->*fieldRow(field).text;
}
inline const std::string& LensFields::text(Field field) const {
    return this->*fieldRow(field).text;
}

} // namespace orbel
