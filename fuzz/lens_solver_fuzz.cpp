// Calculate over any texts and any unit flags, several or none set at once.
// Input: one byte of flags (1 Meters, 2 inches, 4 Feet), then the texts of
// Wdth, Dist, Fmm, Sensor and FOV separated by '|'.
//
// It never crashes; it writes only numbers in the shown form; it writes only
// an empty field or FOV and never touches a field it does not report; the
// steps that ran are exactly the ones the unit flags call for, in their
// order, up to the first failure, so a failure leaves its own target and every
// later field as they were; and the reason it gives is true of the field it
// blames.
#include "calc/failure_text.h"
#include "calc/lens_solver.h"
#include "fuzz_check.h"
#include "number_forms.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using orbel::Field;

constexpr std::array kFields = {Field::Wdth, Field::Dist, Field::Fmm, Field::Sensor, Field::FOV};
constexpr std::array kComputed = {Field::Wdth, Field::Fmm, Field::Dist}; // in step order

orbel::LensFields fieldsFrom(const std::uint8_t* data, std::size_t size) {
    orbel::LensFields fields;
    fields.units = {(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (Field field : kFields) {
        const auto bar = rest.find('|');
        fields.text(field) = rest.substr(0, bar);
        rest = bar == std::string::npos ? std::string() : rest.substr(bar + 1);
    }
    return fields;
}

// The targets of the steps the flags call for, in the order they run.
std::vector<Field> stepTargets(const orbel::UnitFlags& units) {
    std::vector<Field> targets;
    if (units.meters)
        targets.insert(targets.end(), kComputed.begin(), kComputed.end());
    if (units.inches) {
        // The inches system has no field-of-view step.
        targets.insert(targets.end(), kComputed.begin(), kComputed.end());
        return targets;
    }
    if (units.feet)
        targets.insert(targets.end(), kComputed.begin(), kComputed.end());
    targets.push_back(Field::FOV);
    return targets;
}

// Replays the steps against what Calculate reports: a step runs when its
// target is empty at that moment (FOV always runs); a step that ran either
// wrote its target or is the failure, and nothing runs after the failure.
void checkSteps(const orbel::LensFields& before, const orbel::LensOutcome& outcome) {
    std::array<bool, kFields.size()> empty{};
    std::array<bool, kFields.size()> ranAndWrote{};
    for (Field field : kFields)
        empty[static_cast<std::size_t>(field)] = before.text(field).empty();
    bool failed = false;
    for (Field target : stepTargets(before.units)) {
        const auto index = static_cast<std::size_t>(target);
        if (target != Field::FOV && !empty[index])
            continue;
        if (outcome.written.contains(target) && !ranAndWrote[index]) {
            ranAndWrote[index] = true;
            empty[index] = false;
            continue;
        }
        FUZZ_CHECK(outcome.failure && outcome.failure->target == target);
        failed = true;
        break;
    }
    FUZZ_CHECK(failed == outcome.failure.has_value());
    for (Field field : kFields)
        FUZZ_CHECK(outcome.written.contains(field) == ranAndWrote[static_cast<std::size_t>(field)]);
}

// The reason must hold for the field it names.
void checkReason(const orbel::LensFailure& failure, const orbel::LensFields& after) {
    FUZZ_CHECK(!orbel::failureText(failure, after).empty());
    if (!failure.cause) {
        // Only an arithmetic overflow comes without a field to blame.
        FUZZ_CHECK(failure.error == orbel::ErrorCode::Overflow);
        return;
    }
    const std::string& text = after.text(*failure.cause);
    switch (failure.error) {
    case orbel::ErrorCode::TypeMismatch:
        FUZZ_CHECK(!orbel::fuzz::isPlainDecimal(text));
        break;
    case orbel::ErrorCode::Overflow:
        FUZZ_CHECK(orbel::fuzz::isPlainDecimal(text) &&
                   orbel::fuzz::leadingPowerOfTen(text).value_or(0) >= 308);
        break;
    case orbel::ErrorCode::DivisionByZero:
        FUZZ_CHECK(orbel::fuzz::isPlainDecimal(text) && orbel::textToNumber(text) == 0.0);
        break;
    default:
        FUZZ_CHECK(false); // Calculate raises no other error
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    orbel::LensFields fields = fieldsFrom(data, size);
    const orbel::LensFields before = fields;
    const orbel::LensOutcome outcome = orbel::calculate(fields);

    for (Field field : kFields) {
        if (outcome.written.contains(field))
            FUZZ_CHECK(orbel::fuzz::isShownNumber(fields.text(field)) &&
                       orbel::numberToText(orbel::textToNumber(fields.text(field))) ==
                           fields.text(field));
        else
            FUZZ_CHECK(fields.text(field) == before.text(field));
    }
    FUZZ_CHECK(fields.units.meters == before.units.meters &&
               fields.units.inches == before.units.inches &&
               fields.units.feet == before.units.feet);

    if (before.wdth.empty() && before.dist.empty() && before.fmm.empty()) {
        FUZZ_CHECK(outcome.written.empty() && !outcome.failure);
        return 0;
    }
    checkSteps(before, outcome);
    if (outcome.failure)
        checkReason(*outcome.failure, fields);
    return 0;
}
