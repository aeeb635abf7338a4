#pragma once

#include "calc/lens_fields.h"

#include <ostream>
#include <string>

namespace orbel::testing {

enum class Units { Meters, Feet, Inches };

inline UnitFlags flagsFor(Units units) {
    return {units == Units::Meters, units == Units::Inches, units == Units::Feet};
}

// One written result: the texts typed, and every text the user sees after
// Calculate. `fov` is the text before and after (the inches system keeps it).
struct WrittenResult {
    const char* name;
    Units units;
    std::string wdth, dist, fmm;
    std::string fovBefore;
    std::string expectedWdth, expectedDist, expectedFmm, expectedFov;
};

// With the sensor width of the preset selected at start, 27.776 mm.
// clang-format off
inline const WrittenResult kWrittenResults[] = {
    // name                               units          Wdth     Dist   Fmm   FOV before  -> Wdth      Dist       Fmm       FOV
    {"meters width",                      Units::Meters, "",      "10",  "35", "",            "7.936",  "10",      "35",     "43.2863559301607"},
    {"meters focal length",               Units::Meters, "5",     "10",  "",   "",            "5",      "10",      "55.552", "28.072486935853"},
    {"meters distance",                   Units::Meters, "5",     "",    "35", "",            "5",      "6.3",     "35",     "43.2863559301607"},
    {"meters focal length round trip",    Units::Meters, "7.936", "10",  "",   "",            "7.936",  "10",      "35",     "43.2863559301607"},
    {"feet width",                        Units::Feet,   "",      "30",  "35", "",            "23.808", "30",      "35",     "43.2863559301607"},
    {"feet distance",                     Units::Feet,   "15",    "",    "25", "",            "15",     "13.501",  "25",     "58.1060947201215"},
    {"inch width is a multiple of 0.012", Units::Inches, "",      "120", "50", "old",         "66.66",  "120",     "50",     "old"},
    {"inch distance",                     Units::Inches, "60",    "",    "50", "old",         "60",     "108.012", "50",     "old"},
    {"inch focal length",                 Units::Inches, "60",    "120", "",   "old",         "60",     "120",     "55.552", "old"},
    {"inch focal length round trip",      Units::Inches, "66.66", "120", "",   "old",         "66.66",  "120",     "50.002", "old"},
};
// clang-format on

// Test names show the row's name, not its bytes.
inline void PrintTo(const WrittenResult& row, std::ostream* out) {
    *out << row.name;
}

inline LensFields fieldsFor(const WrittenResult& c) {
    LensFields fields;
    fields.wdth = c.wdth;
    fields.dist = c.dist;
    fields.fmm = c.fmm;
    fields.fov = c.fovBefore;
    fields.units = flagsFor(c.units);
    return fields;
}

} // namespace orbel::testing
