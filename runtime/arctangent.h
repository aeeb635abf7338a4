#pragma once

namespace orbel {

// The arctangent rounded to the nearest double: for every double x, the double
// nearest the true atan(x), so that every platform gives the same bits
// whatever its own library's atan gives. NaN gives NaN, +-0 itself, +-infinity
// the double nearest +-pi/2. A fast double-double evaluation answers almost
// every argument; where its rounding is not certain a multi-precision one does.
double correctlyRoundedAtan(double x);

// The same through the multi-precision evaluation alone, the one the fast
// path falls back on: tens of microseconds a call, for the tests.
double multiPrecisionAtan(double x);

// The fast path's two tries at atan(a) for 2^-27 <= a < 2^53, each an
// unevaluated sum hi + lo: the first within 2^-65 of the true value, the
// second within 2^-92 (relative). The rounding test of each relies on
// that bound; the tests check it.
struct ArctangentTry {
    double hi = 0.0;
    double lo = 0.0;
};
ArctangentTry quickArctangent(double a);
ArctangentTry accurateArctangent(double a);

} // namespace orbel
