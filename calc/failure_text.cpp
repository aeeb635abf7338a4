// The plain words for why Calculate stopped, naming the field and its caption.
#include "failure_text.h"

#include "calc/lens_fields.h"
#include "calc/lens_solver.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace orbel {
namespace {

std::string cannotCalculate(Field target) {
    if (target == Field::FieldOfView)
        return "Cannot calculate the field of view: ";
    return "Cannot calculate " + std::string(fieldRow(target).caption) + ": ";
}

std::string subject(Field field) {
    if (field == Field::SensorWidth)
        return "the sensor width of the selected camera";
    return std::string(fieldRow(field).caption);
}

// "1,5": a number once the comma is a point.
bool hasDecimalComma(std::string_view text) {
    if (text.find(',') == std::string_view::npos)
        return false;
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    try {
        textToNumber(pointed);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

} // namespace

std::string failureText(const LensFailure& failure, const LensFields& fields) {
    if (!failure.cause) {
        // Only arithmetic faults come without a field to blame.
        return cannotCalculate(failure.target) + "the result is too large.";
    }
    const Field cause = *failure.cause;
    switch (failure.error) {
    case ErrorCode::TypeMismatch:
        if (fields.text(cause).empty() && cause != Field::SensorWidth)
            return "Please type two of " + std::string(fieldRow(Field::Width).caption) + ", " +
                   std::string(fieldRow(Field::Distance).caption) + " and " +
                   std::string(fieldRow(Field::FocalLength).caption) +
                   ", and leave the third one empty.";
        if (trimBlanks(fields.text(cause)).empty())
            return cannotCalculate(failure.target) + subject(cause) +
                   " holds only spaces. Empty it or type a number.";
        if (hasDecimalComma(fields.text(cause)))
            return cannotCalculate(failure.target) + subject(cause) +
                   " is not a number: write the decimal point (1.5), not a comma.";
        return cannotCalculate(failure.target) + subject(cause) + " is not a number.";
    case ErrorCode::Overflow:
        return cannotCalculate(failure.target) + subject(cause) + " is too large a number.";
    case ErrorCode::DivisionByZero:
        return cannotCalculate(failure.target) + subject(cause) + " is zero.";
    case ErrorCode::InvalidCall:
    case ErrorCode::FileNotFound:
        break;
    }
    return cannotCalculate(failure.target) + std::string(errorMessage(failure.error)) + ".";
}

} // namespace orbel
