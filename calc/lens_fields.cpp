#include "lens_fields.h"

namespace orbel {

const std::string& LensFields::text(Field field) const {
    switch (field) {
    case Field::Wdth:
        return wdth;
    case Field::Dist:
        return dist;
    case Field::Fmm:
        return fmm;
    case Field::Sensor:
        return sensor;
    case Field::FOV:
        break;
    }
    return fov;
}

std::string& LensFields::text(Field field) {
    return const_cast<std::string&>(static_cast<const LensFields&>(*this).text(field));
}

} // namespace orbel
