// Calculate over any texts and unit flags: it never crashes, writes only
// numbers as rendered, never touches a field it does not report as written,
// and on a failure leaves the failing step's target as it was.
#include "calc/lens_solver.h"
#include "fuzz_check.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

bool renderedNumber(const std::string& text) {
    try {
        return orbel::numberToText(orbel::textToNumber(text)) == text;
    } catch (const orbel::RunTimeError&) {
        return false;
    }
}

constexpr std::array kFields = {orbel::Field::Wdth, orbel::Field::Dist, orbel::Field::Fmm,
                                orbel::Field::Sensor, orbel::Field::FOV};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    orbel::LensFields fields;
    fields.units = {(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    // The rest is the five texts, separated by '|'.
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (orbel::Field field : kFields) {
        const auto bar = rest.find('|');
        fields.text(field) = rest.substr(0, bar);
        rest = bar == std::string::npos ? std::string() : rest.substr(bar + 1);
    }
    const orbel::LensFields before = fields;
    const orbel::LensOutcome outcome = orbel::calculate(fields);

    for (orbel::Field field : kFields) {
        if (outcome.written.contains(field))
            FUZZ_CHECK(renderedNumber(fields.text(field)));
        else
            FUZZ_CHECK(fields.text(field) == before.text(field));
    }
    FUZZ_CHECK(!outcome.written.contains(orbel::Field::Sensor));
    if (outcome.failure)
        FUZZ_CHECK(!outcome.written.contains(outcome.failure->target));
    if (before.wdth.empty() && before.dist.empty() && before.fmm.empty())
        FUZZ_CHECK(outcome.written.empty() && !outcome.failure);
    // Only an empty field is ever computed.
    for (orbel::Field field : {orbel::Field::Wdth, orbel::Field::Dist, orbel::Field::Fmm})
        if (outcome.written.contains(field))
            FUZZ_CHECK(before.text(field).empty());
    return 0;
}
