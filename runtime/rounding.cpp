// Rounding to a number of decimal places, ties to even.
#include "rounding.h"

#include "run_time_error.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace orbel {
namespace {

// Powers of ten up to 10^22 are exact doubles.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr double kNoFractionLeft = 4503599627370496.0; // 2^52

// Ties to even without depending on the floating-point rounding mode that
// some other code may have left behind. x - floor(x) is exact for every double.
double roundHalfEven(double scaled) {
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

double roundToPlaces(double value, int places) {
    if (places < 0 || places >= static_cast<int>(kPowersOfTen.size()))
        throw RunTimeError(ErrorCode::InvalidCall);
    if (!(std::fabs(value) < kNoFractionLeft))
        return value;
    const double scale = kPowersOfTen[static_cast<std::size_t>(places)];
    return roundHalfEven(value * scale) / scale;
}

} // namespace orbel
