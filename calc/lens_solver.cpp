// Calculate: the steps of each unit system over the record's texts, the
// rounding of each result, and which field a failure blames.
#include "lens_solver.h"

#include "calc/lens_fields.h"
#include "runtime/arithmetic.h"
#include "runtime/conversions.h"
#include "runtime/rounding.h"
#include "runtime/run_time_error.h"

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

// The numbers of the current field texts. Each call converts the text afresh,
// so the formulas below convert their operands one statement at a time, in
// the order the formula names them: that order decides which field a
// conversion error is reported on.
class Operands {
public:
    explicit Operands(const LensFields& fields)
        : fields_(fields) {}

    double S() const { return number(Field::SensorWidth); }
    double W() const { return number(Field::Width); }
    double D() const { return number(Field::Distance); }
    double F() const { return number(Field::FocalLength); }

    // A division by a field's number: a zero there is that field's fault.
    static double over(double dividend, double divisor, Field divisorField) {
        if (divisor == 0.0)
            throw FieldFault{divisorField, ErrorCode::DivisionByZero};
        return quotient(dividend, divisor);
    }

    // A division by a field's number in feet. A number so small that its
    // conversion leaves zero is no zero the user typed: the quotient is then
    // beyond the double range, and the field is not to blame.
    static double overFeet(double dividend, double number, Field numberField) {
        const double divisor = product(number, kFeetPerMm);
        if (divisor == 0.0 && number != 0.0)
            throw RunTimeError(ErrorCode::Overflow);
        return over(dividend, divisor, numberField);
    }

private:
    // One throw where a text does not read: a failing row's cost is its throws.
    double number(Field field) const {
        const TextValue read = textValue(fields_.text(field));
        if (read.error)
            throw FieldFault{field, *read.error};
        return read.value;
    }

    const LensFields& fields_;
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
            if (fields_.text(step.target).empty() && !attempt(step.target, [&] {
                    const double rounded = roundToPlaces(step.formula(Operands(fields_)), kPlaces);
                    return step.footResultInInches ? product(kInchesPerFoot, rounded) : rounded;
                }))
                return false;
        }
        return true;
    }

    // The field of view reads the focal length as the steps above left it,
    // rounded, and is itself not rounded.
    void writeFieldOfView() {
        attempt(Field::FieldOfView, [&] {
            const Operands o(fields_);
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
    // leaves the target as it was.
    template <typename Compute> bool attempt(Field target, Compute compute) {
        try {
            const double value = compute();
            fields_.text(target) = numberToText(value);
            outcome_.written.insert(target);
            return true;
        } catch (const FieldFault& fault) {
            outcome_.failure = LensFailure{target, fault.cause, fault.error};
        } catch (const RunTimeError& error) {
            outcome_.failure = LensFailure{target, std::nullopt, error.code()};
        }
        return false;
    }

    LensFields& fields_;
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
