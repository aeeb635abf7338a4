// Calculate over any texts and any unit flags, several or none at once.
// Input: one byte of flags (1 Meters, 2 inches, 4 Feet), then the texts of
// Wdth, Dist, Fmm, Sensor and FOV separated by '|'. It writes only fields that
// were empty (and FOV, never in inches), only numbers that read back as
// themselves; a failure leaves its own field as it was and has words.
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
    LensFields fields{"", "", "", "", "", {}}; // a text the input lacks is empty
    fields.units = {(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    std::istringstream typed(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    for (const FieldRow& row : kFields)
        std::getline(typed, fields.*row.text, '|');
    const LensFields before = fields;
    const LensOutcome outcome = calculate(fields);

    for (const auto& [field, control, caption, member] : kFields) {
        const std::string& text = fields.*member;
        if (!outcome.written.contains(field)) {
            check(text == before.text(field));
            continue;
        }
        check(field == Field::FOV ? !before.units.inches
                                  : before.text(field).empty() && field != Field::Sensor);
        check(numberToText(textToNumber(text)) == text);
    }
    if (outcome.failure)
        check(!outcome.written.contains(outcome.failure->target) &&
              !failureText(*outcome.failure, fields).empty());
    return 0;
}
