// The arctangent against MPFR's, which rounds atan to 53 bits correctly.
#include "runtime/arctangent.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ios>
#include <random>
#include <utility>

namespace orbel::testing {
namespace {

// atan(x) rounded to `bits` by MPFR, which rounds it correctly, less a try
// at it, if given: its error, never exactly zero (atan of a non-zero double
// is irrational).
double reference(double x, long bits = 53, ArctangentTry less = {}) {
    mpfr_t m;
    mpfr_init2(m, bits);
    mpfr_set_d(m, x, MPFR_RNDN);
    mpfr_atan(m, m, MPFR_RNDN);
    mpfr_sub_d(m, m, less.hi, MPFR_RNDN);
    mpfr_sub_d(m, m, less.lo, MPFR_RNDN);
    const double y = mpfr_get_d(m, MPFR_RNDN);
    mpfr_clear(m);
    return y;
}

// The ends of the evaluations' ranges (the random bit patterns bring NaN,
// subnormals and huge arguments), and hard arguments
// bench/arctangent_bench found near the points where the distance from a
// midpoint goes through 0 (x - x^3/3 by a small x, pi/2 - 1/x by a large
// one): atan within 2^-n of the gap between two doubles from the midpoint.
// With n about 24 the double-double evaluation decides, with n beyond 53 only
// the multi-precision one can; a small and a large argument each. The next
// two are decided by the first two evaluations' smallest terms: a sign lost
// in a product of double-doubles, or in the reduced argument's low part. The
// last is one where glibc 2.36's atan misses, with and without FMA.
// clang-format off
constexpr double kRows[] = {
    0.0, HUGE_VAL, 1,
    0x1p-27, 0x1.fffffffffffffp-28, 0x1p53, 0x1.fffffffffffffp52, 0x1p-8, 0x1.8p-8,
    0x1.f343c864ce6ccp-3, 0x1.22bded85cfaddp+5, 0x1.c74847a112b6ap-25, 0x1.ccda26ad0cd1cp+47,
    0x1.568bf30d5e577p-5, 0x1.0942cad2e65cep+0, 0x1.073fedff2d29cp+0,
};
// clang-format on

// Every row, both signs, and random arguments: half log-uniform over the
// field of view's q, 1e-9 to 1e9, half any bit pattern; the multi-precision
// evaluation alone on fewer, as the fast path seldom needs it.
TEST(Arctangent, IsTheDoubleNearestTheTrueValue) {
    std::mt19937_64 random(34);
    std::uniform_real_distribution<double> logQ(std::log(1e-9), std::log(1e9));
    for (auto [atan, count] :
         {std::pair{&correctlyRoundedAtan, 250'000}, {&multiPrecisionAtan, 3'000}}) {
        auto check = [&](double x) {
            const double got = atan(x), expected = reference(x);
            if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected) &&
                !(std::isnan(got) && std::isnan(expected)))
                ADD_FAILURE() << std::hexfloat << x << ": " << got << ", not " << expected;
        };
        for (double x : kRows) {
            check(x);
            check(-x);
        }
        for (int i = 0; i < count; ++i) {
            const double q = std::exp(logQ(random));
            check(q);
            check(std::bit_cast<double>(random()));
            // each try of the fast path within the bound its rounding test takes
            if (i < 3'000) {
                const ArctangentTry quick = quickArctangent(q), accurate = accurateArctangent(q);
                EXPECT_TRUE(std::fabs(reference(q, 400, quick)) < std::ldexp(quick.hi, -65) &&
                            std::fabs(reference(q, 400, accurate)) < std::ldexp(accurate.hi, -92))
                    << std::hexfloat << q;
            }
        }
    }
}

} // namespace
} // namespace orbel::testing
