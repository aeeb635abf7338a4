// The arctangent against MPFR on ten million arguments (half log-uniform over
// the field of view's q = Sensor / (2 Lens f), 1e-9 to 1e9, half random bit
// patterns), with the platform's atan beside it; then a search for the
// arguments whose arctangent lies closest to a midpoint between two doubles;
// then the cost of a call, ours against the platform's. Fails on a mismatch.
// Usage: orbel_arctangent_bench [ARGUMENTS]
#include "runtime/arctangent.h"

#include <mpfr.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace {

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

bool same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

// atan(x) at 200 bits: the nearest double, and how far the true value lies
// from the midpoint between the doubles either side of it, as log2 of a
// part of their gap (-1: on a double; -60: 2^-60 of the gap from the
// midpoint). Rounding the 200-bit value to a double is the true value's
// rounding unless it lies within 2^-146 of the gap from a midpoint, which
// the distance shows: none comes near.
struct Reference {
    double nearest;
    double closeness;
};

Reference reference(double x) {
    static mpfr_t y, below, mid;
    static const bool made = [] {
        mpfr_inits2(200, y, below, mid, static_cast<mpfr_ptr>(nullptr));
        return true;
    }();
    (void)made;
    mpfr_set_d(y, x, MPFR_RNDN);
    mpfr_atan(y, y, MPFR_RNDN);
    const double nearest = mpfr_get_d(y, MPFR_RNDN);
    const double down = mpfr_get_d(y, MPFR_RNDD), up = mpfr_get_d(y, MPFR_RNDU);
    if (std::isnan(x) || down == up)
        return {nearest, -1.0};
    mpfr_set_d(below, down, MPFR_RNDN);
    mpfr_add_d(mid, below, up, MPFR_RNDN);
    mpfr_div_2ui(mid, mid, 1, MPFR_RNDN);
    mpfr_sub(mid, y, mid, MPFR_RNDN);
    mpfr_abs(mid, mid, MPFR_RNDN);
    mpfr_div_d(mid, mid, up - down, MPFR_RNDN);
    return {nearest, mpfr_zero_p(mid) ? -1000.0 : std::log2(mpfr_get_d(mid, MPFR_RNDN))};
}

// The closest few of a search, with their distances.
struct Closest {
    std::vector<std::pair<double, double>> kept; // closeness, argument
    std::size_t size;

    void offer(double x, double closeness) {
        if ((kept.size() == size && closeness >= kept.back().first) ||
            std::any_of(kept.begin(), kept.end(), [&](auto& k) { return k.second == x; }))
            return;
        kept.emplace_back(closeness, x);
        std::sort(kept.begin(), kept.end());
        if (kept.size() > size)
            kept.resize(size);
    }
    void print(const char* what) const {
        std::printf("%s\n", what);
        for (auto [closeness, x] : kept)
            std::printf("    %-24a atan within 2^%.1f of the gap from a midpoint\n", x, closeness);
    }
};

long mismatches = 0;

void compare(double x, const Reference& r) {
    if (!same(orbel::correctlyRoundedAtan(x), r.nearest) && ++mismatches <= 10)
        std::printf("MISMATCH %a: %a, not %a\n", x, orbel::correctlyRoundedAtan(x), r.nearest);
}

// Around each point where the arctangent's distance from a midpoint goes
// through 0, the doubles nearby:
// - x in [2^-27, 2^-22): atan(x) = x - x^3/3 + ..., so x - atan(x) = (j + 1/2)
//   ulp(x) at x = 2^e m, m^3 = 3 (j + 1/2) 2^-(2e+52), and a step of x moves it
//   by only 2^2e m^2 of the gap;
// - x in [2^40, 2^53): atan(x) = pi/2 - 1/x + ..., the double nearest the
//   tangent of a midpoint m, whose arctangent a step of x moves by 2^-40 of
//   the gap or less.
void constructed(Closest& small, Closest& large) {
    for (int e = -27; e < -22; ++e)
        for (int j = 0;; ++j) {
            const double m = std::cbrt(3 * (j + 0.5) * std::ldexp(1.0, -(2 * e + 52)));
            if (m >= 2)
                break;
            if (m < 1)
                continue;
            double x = std::nextafter(std::ldexp(m, e), 0.0);
            for (int step = 0; step < 64; ++step, x = std::nextafter(x, 0.0)) {
            }
            for (int step = 0; step < 128; ++step, x = std::nextafter(x, 1.0)) {
                const Reference r = reference(x);
                compare(x, r);
                small.offer(x, r.closeness);
            }
        }
    mpfr_t m;
    mpfr_init2(m, 200);
    for (int j = 0; j < 4096; ++j) {
        mpfr_const_pi(m, MPFR_RNDN);
        mpfr_div_2ui(m, m, 1, MPFR_RNDN);
        mpfr_set_d(m, mpfr_get_d(m, MPFR_RNDN), MPFR_RNDN);
        mpfr_sub_d(m, m, (j + 0.5) * 0x1p-52, MPFR_RNDN);
        mpfr_tan(m, m, MPFR_RNDN);
        const double x = mpfr_get_d(m, MPFR_RNDN);
        if (x < 0x1p40 || x >= 0x1p53)
            continue;
        const Reference r = reference(x);
        compare(x, r);
        large.offer(x, r.closeness);
    }
    mpfr_clear(m);
}

// Nanoseconds a call over the same arguments, best of five rounds.
template <typename Atan> double nanoseconds(const std::vector<double>& xs, Atan atan) {
    double best = 1e9;
    volatile double sink = 0;
    for (int round = 0; round < 5; ++round) {
        double sum = 0;
        const double start = cpuSeconds();
        for (double x : xs)
            sum += atan(x);
        best = std::min(best, (cpuSeconds() - start) / static_cast<double>(xs.size()) * 1e9);
        sink = sink + sum;
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 10'000'000;
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> logQ(std::log(1e-9), std::log(1e9));
    long platformMismatches = 0;
    Closest closest{{}, 16};
    const double start = cpuSeconds();
    for (long i = 0; i < count; ++i) {
        const double x = i % 2 == 0 ? std::exp(logQ(random)) : std::bit_cast<double>(random());
        const Reference r = reference(x);
        compare(x, r);
        platformMismatches += same(std::atan(x), r.nearest) ? 0 : 1;
        if (i % 2 == 0)
            closest.offer(x, r.closeness);
    }
    std::printf("against MPFR: %ld arguments (%ld log-uniform q in [1e-9, 1e9], %ld random bit "
                "patterns), %.0f s\n",
                count, (count + 1) / 2, count / 2, cpuSeconds() - start);
    std::printf("  correctlyRoundedAtan mismatches: %ld\n", mismatches);
    std::printf("  the platform's std::atan mismatches: %ld\n", platformMismatches);
    closest.print("the closest to a midpoint among the log-uniform q:");
    Closest small{{}, 8}, large{{}, 8};
    constructed(small, large);
    small.print("the closest near the series' midpoint crossings, x in [2^-27, 2^-22):");
    large.print("the closest near pi/2, x in [2^40, 2^53):");
    std::printf("  correctlyRoundedAtan mismatches after the searches: %ld\n", mismatches);

    std::vector<double> xs(1'000'000);
    for (double& x : xs)
        x = std::exp(logQ(random));
    std::printf(
        "per call over 1e6 log-uniform q: correctlyRoundedAtan %.1f ns, std::atan %.1f ns\n",
        nanoseconds(xs, orbel::correctlyRoundedAtan),
        nanoseconds(xs, [](double x) { return std::atan(x); }));
    return mismatches == 0 ? 0 : 1;
}
