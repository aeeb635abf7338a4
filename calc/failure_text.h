#pragma once

#include "calc/lens_fields.h"
#include "calc/lens_solver.h"

#include <string>

namespace orbel {

// Says in plain words why Calculate stopped, for the one message the window
// shows. `fields` is the record as the failing step left it.
std::string failureText(const LensFailure& failure, const LensFields& fields);

} // namespace orbel
