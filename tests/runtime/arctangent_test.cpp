// The arctangent against MPFR's, which rounds atan to 53 bits correctly.
#include "runtime/arctangent.h"
#include "runtime/arithmetic.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <utility>

namespace orbel::testing {
namespace {

double reference(double x) {
    mpfr_t m;
    mpfr_init2(m, 53);
    mpfr_set_d(m, x, MPFR_RNDN);
    mpfr_atan(m, m, MPFR_RNDN);
    const double y = mpfr_get_d(m, MPFR_RNDN);
    mpfr_clear(m);
    return y;
}

// The ends of the evaluations' ranges, and the hardest arguments
// bench/arctangent_bench found among ten million q and near the points where
// the distance from a midpoint goes through 0 (x - x^3/3 by a small x,
// pi/2 - 1/x by a large one): atan within 2^-n of the gap between two doubles
// from the midpoint, n after each.
// clang-format off
constexpr double kRows[] = {
    0.0, NAN, HUGE_VAL, 0x1.fffffffffffffp1023, 0x1p-1074, 1,
    0x1p-27, 0x1.fffffffffffffp-28, 0x1p53, 0x1.fffffffffffffp52, 0x1p-8, 0x1.8p-8,
    0x1.2d22295aa93cfp-1, // reported wrong from a platform's atan
    0x1.22bded85cfaddp+5, 0x1.f343c864ce6ccp-3, 0x1.6ec7ead5c67b7p+1, // 25.4 24.3 23.6
    0x1.403f20048add1p+11, 0x1.19342908a9c61p+21, 0x1.3fce0f01fdd29p+18, // 22.9 22.8 21.8
    0x1.c74847a112b6ap-25, 0x1.0a402fcc79299p-25, 0x1.d12ed0af1a27fp-27, // 55.0 54.3 54.3
    0x1.250bfe1b082f5p-26, 0x1.3bacd6561ff5fp-25, 0x1.f72eae568cee8p-24, // 53.5 53.3 53.1
    0x1.ccda26ad0cd1cp+47, 0x1.49ff16b9c1e3ep+52, 0x1.7832b157bce0fp+47, // 58.9 56.3 55.6
    0x1.20538781986c3p+51, 0x1.79c2767d98151p+40, 0x1.70e83d4441252p+50, // 54.4 54.1 53.8
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
            check(std::exp(logQ(random)));
            check(std::bit_cast<double>(random()));
        }
    }
    // the field of view's pi, arctangent(1) * 4; the program's arithmetic
    // uses it where glibc 2.36's atan misses, with and without FMA
    EXPECT_EQ(arctangent(1) * 4, std::numbers::pi);
    EXPECT_EQ(arctangent(0x1.073fedff2d29cp+0), reference(0x1.073fedff2d29cp+0));
}

} // namespace
} // namespace orbel::testing
