#pragma once

// Calculate on the record of a lens: the empty one of width, distance and
// focal length from the other two, then the field of view; what it wrote, or
// why it stopped.

#include "calc/lens_fields.h"
#include "runtime/run_time_error.h"

#include <optional>

namespace orbel {

// Which fields one Calculate wrote.
class FieldSet {
public:
    void insert(Field field) { bits_ |= bit(field); }
    bool contains(Field field) const { return (bits_ & bit(field)) != 0; }
    bool empty() const { return bits_ == 0; }

private:
    static unsigned bit(Field field) { return 1U << static_cast<unsigned>(field); }
    unsigned bits_ = 0;
};

// Why Calculate stopped: the field the failing step was to write, the field
// whose text or value caused it (when one did), and the run-time error.
struct LensFailure {
    Field target;
    std::optional<Field> cause;
    ErrorCode error;
};

struct LensOutcome {
    FieldSet written;
    std::optional<LensFailure> failure;
};

// Calculate: fills in the empty one of width, distance and focal length from
// the other two and the sensor width, rounded to 3 places, then the field of
// view in the Meters and Feet systems. With all three empty it changes
// nothing; otherwise it first empties the field of view, which so holds this
// calculation's or none. The record is updated in place step by step; a
// failing step writes nothing and ends the calculation, while what the
// earlier steps wrote stays. `written` holds the results, not the emptied
// field of view.
LensOutcome calculate(LensFields& fields);

} // namespace orbel
