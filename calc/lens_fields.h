#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orbel {

// The five field texts of the main window and its unit selection: the whole
// data model of a calculation. Every quantity lives here as text, exactly as
// the user sees it. The unit defaults are the window's start state, which the
// window's description checks them against.
enum class Field { Wdth, Dist, Fmm, Sensor, FOV };

struct UnitFlags {
    bool meters = true;
    bool inches = false;
    bool feet = false;
};

struct LensFields {
    std::string wdth;
    std::string dist;
    std::string fmm;
    std::string sensor;
    std::string fov;
    UnitFlags units;

    std::string& text(Field field);
    const std::string& text(Field field) const;
};

// Each field: its text box's name, the caption a user knows it by, and its
// text in the record. In the order of Field.
// A member of LensFields; named, because clang-format 14 and 19 space
// "T C::*name" apart.
using LensText = std::string LensFields::*;

struct FieldRow {
    Field field;
    std::string_view control;
    std::string_view caption;
    LensText text;
};

// clang-format off
inline constexpr std::array<FieldRow, 5> kFields = {{
    {Field::Wdth,   "Wdth",   "Object Width",    &LensFields::wdth},
    {Field::Dist,   "Dist",   "Object Distance", &LensFields::dist},
    {Field::Fmm,    "Fmm",    "Lens f",          &LensFields::fmm},
    {Field::Sensor, "Sensor", "Sensor Width",    &LensFields::sensor},
    {Field::FOV,    "FOV",    "FOV",             &LensFields::fov},
}};
// clang-format on

constexpr bool fieldsInOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].field != static_cast<Field>(i))
            return false;
    return true;
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
