#pragma once

#include "calc/lens_fields.h"
#include "calc/lens_solver.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orbel {

// One calculation as a user asks for it: a camera, its custom resolution if
// any, the unit system and the three texts as typed.
struct LensRequest {
    std::size_t camera = 0;      // its place in presets()
    std::string_view resolution; // the custom horizontal resolution; empty for none
    Units units = Units::Meters;
    std::string_view width;
    std::string_view distance;
    std::string_view focal;
};

struct LensAnswer {
    // Computed: every field as the window shows it. Failed: the window's
    // message, the fields as Calculate left them. Refused: the request
    // itself cannot be made (a resolution the camera does not take).
    enum class Kind { Computed, Failed, Refused };
    Kind kind = Kind::Computed;
    LensFields fields;
    FieldSet written;          // the fields Calculate wrote; the others are as typed
    std::string pixelsPerUnit; // the camera's horizontal pixels over the object width
    std::string message;
};

// Picks the camera (and enters its custom resolution), chooses the units,
// types the texts and presses Calculate, as in the window. Where all three
// texts are filled, Calculate reads none of them but the focal length; each
// is read here all the same, and one that is not a number fails the row with
// the window's message for it.
LensAnswer solve(const LensRequest& request);

} // namespace orbel
