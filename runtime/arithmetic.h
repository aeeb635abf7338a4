#pragma once

namespace orbel {

// Checked double arithmetic. Every operation tests its result at once: a zero
// divisor raises Division by zero, an overflow or an invalid operation raises
// Overflow, so no caller ever holds an infinity or a NaN. Underflow and
// inexact results are ordinary results.
double product(double a, double b);
double quotient(double dividend, double divisor);
double sum(double a, double b);

// Mixed arithmetic: a whole number with a double.
double product(int whole, double b);
double quotient(int whole, double divisor);

// The double nearest the true arctangent (runtime/arctangent.h).
double arctangent(double x);

} // namespace orbel
