// Calculate: the steps of each unit system over the record's texts, the
// rounding of each result, and which field a failure blames.
#include "lens_solver.h"

#include "calc/lens_fields.h"
#include "runtime/arithmetic.h"
#include "runtime/conversions.h"
#include "runtime/rounding.h"
#include "runtime/run_time_error.h"

#include <array>
#include <cstddef>
#include <numbers>
#include <optional>
#include <span>

namespace orbel {
namespace {

constexpr double kFeetPerMm = 0.00328;
constexpr double kInchesPerMm = 0.0394;
constexpr int kInchesPerFoot = 12;
constexpr int kPlaces = 3;

// A fault inside a step that one field's text or value is to blame for.
struct FieldFault {
    Field cause;
    ErrorCode error;
};

// What each operand's text read as, kept for one Calculate: a text is read
// once, and read again only after a step has written its field.
class OperandValues {
public:
    const TextValue& of(const LensFields& fields, Field field) {
        std::optional<TextValue>& value = values_[static_cast<std::size_t>(field)];
        if (!value)
            value = textValue(fields.text(field));
        return *value;
    }
    void forget(Field field) { values_[static_cast<std::size_t>(field)].reset(); }

private:
    std::array<std::optional<TextValue>, kFields.size()> values_;
};

// The numbers of the current field texts. The formulas below take their
// operands one statement at a time, in the order the formula names them:
// that order decides which field a fault is reported on. The first fault is
// kept, and the formula runs on to its end with a stand-in of zero for the
// faulty number, its result unused: a failing row costs no more than a
// computed one, where a throw would cost many times that.
class Operands {
public:
    Operands(const LensFields& fields, OperandValues& values)
        : fields_(fields)
        , values_(values) {}

    double S() const { return number(Field::SensorWidth); }
    double W() const { return number(Field::Width); }
    double D() const { return number(Field::Distance); }
    double F() const { return number(Field::FocalLength); }

    // A division by a field's number: a zero there is that field's fault.
    double over(double dividend, double divisor, Field divisorField) const {
        if (divisor == 0.0)
            return blame({divisorField, ErrorCode::DivisionByZero});
        return quotient(dividend, divisor);
    }

    // A division by a field's number in feet. A number so small that its
    // conversion leaves zero is no zero the user typed: the quotient is then
    // beyond the double range, and the field is not to blame.
    double overFeet(double dividend, double number, Field numberField) const {
        const double divisor = product(number, kFeetPerMm);
        if (divisor == 0.0 && number != 0.0 && !faulted_)
            throw RunTimeError(ErrorCode::Overflow);
        return over(dividend, divisor, numberField);
    }

    // The first fault, if one was met.
    const FieldFault* fault() const { return faulted_ ? &fault_ : nullptr; }

private:
    double number(Field field) const {
        const TextValue& read = values_.of(fields_, field);
        return read.error ? blame({field, *read.error}) : read.value;
    }

    double blame(FieldFault fault) const {
        if (!faulted_)
            fault_ = fault;
        faulted_ = true;
        return {}; // the stand-in
    }

    const LensFields& fields_;
    OperandValues& values_;
    mutable FieldFault fault_{};
    mutable bool faulted_ = false;
};

using Formula = double (*)(const Operands&);

struct Step {
    Field target;
    Formula formula;
    bool footResultInInches; // rounded in feet, then shown in inches
};

constexpr double k = kFeetPerMm;
constexpr double m = kInchesPerMm;

// clang-format off
constexpr Step kMetersSteps[] = {
    {Field::Width, [](const Operands& o) { const double s = o.S(); const double d = o.D();
                                          const double p = product(s, d);
                                          return o.over(p, o.F(), Field::FocalLength); }, false},
    {Field::FocalLength,  [](const Operands& o) { const double d = o.D();
                                          const double q = o.over(d, o.W(), Field::Width);
                                          return product(o.S(), q); }, false},
    {Field::Distance, [](const Operands& o) { const double f = o.F(); const double w = o.W();
                                          const double p = product(f, w);
                                          return o.over(p, o.S(), Field::SensorWidth); }, false},
};

constexpr Step kFeetSteps[] = {
    {Field::Width, [](const Operands& o) { const double a = product(o.S(), k);
                                          const double b = product(o.D(), a);
                                          return o.overFeet(b, o.F(), Field::FocalLength); }, false},
    {Field::FocalLength,  [](const Operands& o) { const double d = o.D();
                                          const double q = o.over(d, o.W(), Field::Width);
                                          return quotient(product(product(o.S(), k), q), k); }, false},
    {Field::Distance, [](const Operands& o) { const double a = product(o.F(), k);
                                          const double b = product(o.W(), a);
                                          return o.overFeet(b, o.S(), Field::SensorWidth); }, false},
};

constexpr Step kInchSteps[] = {
    {Field::Width, [](const Operands& o) { const double a = product(o.S(), k);
                                          const double b = product(quotient(o.D(), kInchesPerFoot), a);
                                          return o.overFeet(b, o.F(), Field::FocalLength); }, true},
    {Field::FocalLength,  [](const Operands& o) { const double d = o.D();
                                          const double q = o.over(d, o.W(), Field::Width);
                                          return quotient(product(product(o.S(), m), q), m); }, false},
    {Field::Distance, [](const Operands& o) { const double a = product(o.F(), k);
                                          const double b = product(quotient(o.W(), kInchesPerFoot), a);
                                          return o.overFeet(b, o.S(), Field::SensorWidth); }, true},
};
// clang-format on

class Calculation {
public:
    explicit Calculation(LensFields& fields)
        : fields_(fields) {}

    // Each step runs only when its target is empty at the moment it starts.
    bool run(std::span<const Step> steps) {
        for (const Step& step : steps) {
            if (fields_.text(step.target).empty() &&
                !attempt(step.target, [&](const Operands& operands) {
                    const double rounded = roundToPlaces(step.formula(operands), kPlaces);
                    return step.footResultInInches ? product(kInchesPerFoot, rounded) : rounded;
                }))
                return false;
        }
        return true;
    }

    // The field of view reads the focal length as the steps above left it,
    // rounded, and is itself not rounded.
    void writeFieldOfView() {
        attempt(Field::FieldOfView, [&](const Operands& o) {
            const double s = o.S();
            const double f = o.F();
            const double q = o.over(s, sum(f, f), Field::FocalLength);
            const double a = arctangent(q);
            const double t = sum(a, a);
            return product(t, quotient(180, std::numbers::pi));
        });
    }

    LensOutcome outcome() const { return outcome_; }

private:
    // Computes a value and writes it into `target`, or records the failure and
    // leaves the target as it was. A fault met before an arithmetic error
    // is the one reported, as it came first.
    template <typename Compute> bool attempt(Field target, Compute compute) {
        const Operands operands(fields_, values_);
        try {
            const double value = compute(operands);
            if (!operands.fault()) {
                fields_.text(target) = numberToText(value);
                values_.forget(target);
                outcome_.written.insert(target);
                return true;
            }
        } catch (const RunTimeError& error) {
            if (!operands.fault()) {
                outcome_.failure = LensFailure{target, std::nullopt, error.code()};
                return false;
            }
        }
        outcome_.failure = LensFailure{target, operands.fault()->cause, operands.fault()->error};
        return false;
    }

    LensFields& fields_;
    OperandValues values_;
    LensOutcome outcome_;
};

} // namespace

LensOutcome calculate(LensFields& fields) {
    if (fields.width.empty() && fields.focalLength.empty() && fields.distance.empty())
        return {};

    // The field of view shown is this calculation's or none: one that failed
    // before its field-of-view step, or an inches one, which has none, must not
    // leave an earlier calculation's beside its results.
    fields.fieldOfView.clear();
    Calculation calculation(fields);
    if (fields.units == Units::Meters && !calculation.run(kMetersSteps))
        return calculation.outcome();
    if (fields.units == Units::Inches) {
        // The inches system has no field-of-view step.
        calculation.run(kInchSteps);
        return calculation.outcome();
    }
    if (fields.units == Units::Feet && !calculation.run(kFeetSteps))
        return calculation.outcome();
    calculation.writeFieldOfView();
    return calculation.outcome();
}

} // namespace orbel
