#pragma once

#include <string>

namespace orbel {

// The five field texts of the main window and its unit selection: the whole
// data model of a calculation. Every quantity lives here as text, exactly as
// the user sees it.
enum class Field { Wdth, Dist, Fmm, Sensor, FOV };

struct UnitFlags {
    bool meters = true;  // Option12
    bool inches = false; // Option11
    bool feet = false;   // Option10
};

struct LensFields {
    std::string wdth;
    std::string dist;
    std::string fmm;
    std::string sensor = "27.776";
    std::string fov;
    UnitFlags units;

    std::string& text(Field field);
    const std::string& text(Field field) const;
};

} // namespace orbel
