// Checked double arithmetic: a result that is no finite number is an error.
#include "arithmetic.h"

#include "arctangent.h"
#include "run_time_error.h"

#include <cmath>

namespace orbel {
namespace {

double checked(double result) {
    if (!std::isfinite(result))
        throw RunTimeError(ErrorCode::Overflow);
    return result;
}

} // namespace

double product(double a, double b) {
    return checked(a * b);
}

double quotient(double dividend, double divisor) {
    if (divisor == 0.0)
        throw RunTimeError(ErrorCode::DivisionByZero);
    return checked(dividend / divisor);
}

double sum(double a, double b) {
    return checked(a + b);
}

double product(int whole, double b) {
    return product(static_cast<double>(whole), b);
}

double quotient(int whole, double divisor) {
    return quotient(static_cast<double>(whole), divisor);
}

// Correctly rounded, not the platform's atan: the same bits everywhere.
double arctangent(double x) {
    return checked(correctlyRoundedAtan(x));
}

} // namespace orbel
