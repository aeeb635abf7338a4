// Calculate over any texts in any unit system.
// Input: one byte choosing the units (its value modulo 3: feet, inches,
// meters), then the texts of width, distance, focal length, sensor width and
// field of view separated by '|'. It writes only fields that were empty (and
// the field of view, never in inches, which it empties first when it has
// anything to do), only numbers that read back as themselves; a failure
// leaves its own field as it was and has words.
#include "calc/failure_text.h"
#include "calc/lens_solver.h"
#include "runtime/conversions.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// An invariant every input must keep; a broken one stops the run, and the
// sanitizer's stack names the line that broke.
void check(bool invariant) {
    if (!invariant)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orbel;
    if (size < 1)
        return 0;
    LensFields fields;
    fields.units = static_cast<Units>(data[0] % 3);
    std::istringstream typed(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    for (const FieldRow& row : kFields)
        std::getline(typed, fields.*row.text, '|');
    const LensFields before = fields;
    const LensOutcome outcome = calculate(fields);
    const bool idle = (before.width + before.distance + before.focalLength).empty();

    for (const auto& [field, caption, member] : kFields) {
        const std::string& text = fields.*member;
        if (!outcome.written.contains(field)) {
            check(text == (field == Field::FieldOfView && !idle ? "" : before.text(field)));
            continue;
        }
        check(field == Field::FieldOfView
                  ? before.units != Units::Inches
                  : before.text(field).empty() && field != Field::SensorWidth);
        check(numberToText(textToNumber(text)) == text);
    }
    if (outcome.failure)
        check(!outcome.written.contains(outcome.failure->target) &&
              !failureText(*outcome.failure, fields).empty());
    return 0;
}
