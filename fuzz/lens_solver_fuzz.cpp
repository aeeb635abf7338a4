// Calculate over any texts and any unit flags, several or none at once.
// Input: one byte of flags (1 Meters, 2 inches, 4 Feet), then the texts of
// Wdth, Dist, Fmm, Sensor and FOV separated by '|'. It writes only fields that
// were empty (and FOV, never in inches), only numbers that read back as
// themselves; a failure leaves its own field as it was and has words.
#include "calc/failure_text.h"
#include "calc/lens_solver.h"
#include "runtime/conversions.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

// An invariant every input must keep; a broken one stops the run with the
// input that broke it.
#define FUZZ_CHECK(c)                                                                              \
    ((c) ? void()                                                                                  \
         : (std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #c, __FILE__, __LINE__),        \
            std::abort()))

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using orbel::Field;
    using orbel::kFields;
    if (size < 1)
        return 0;
    orbel::LensFields fields{"", "", "", "", "", {}}; // a text the input lacks is empty
    fields.units = {(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    std::istringstream typed(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    for (const orbel::FieldRow& row : kFields)
        std::getline(typed, fields.*row.text, '|');
    const orbel::LensFields before = fields;
    const orbel::LensOutcome outcome = orbel::calculate(fields);

    for (const auto& [field, control, caption, member] : kFields) {
        const std::string& text = fields.*member;
        if (!outcome.written.contains(field)) {
            FUZZ_CHECK(text == before.text(field));
            continue;
        }
        FUZZ_CHECK(field == Field::FOV ? !before.units.inches
                                       : before.text(field).empty() && field != Field::Sensor);
        FUZZ_CHECK(orbel::numberToText(orbel::textToNumber(text)) == text);
    }
    if (before.wdth.empty() && before.dist.empty() && before.fmm.empty())
        FUZZ_CHECK(outcome.written.empty() && !outcome.failure);
    if (outcome.failure)
        FUZZ_CHECK(!outcome.written.contains(outcome.failure->target) &&
                   !orbel::failureText(*outcome.failure, fields).empty());
    return 0;
}
