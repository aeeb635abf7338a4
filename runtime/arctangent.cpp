// The correctly rounded arctangent: a quick try in doubles and a second in
// double-double, each with a proven error bound, and a fixed-point
// multi-precision evaluation for the arguments whose rounding both bounds
// leave open. Plain standard C++ with no fused multiply-add (the build
// forbids contraction), so every compiler on every platform computes the
// same bits.
#include "arctangent.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace orbel {
namespace {

// ------------------------------------------------------------------------
// Fixed point: an unsigned number of kLimbs 32-bit limbs, least significant
// first; the last limb is the integer part, the others kFractionBits bits of
// fraction. One unit in the last place, 2^-288, is written ulp below.
constexpr int kLimbs = 10;
constexpr int kFractionBits = 32 * (kLimbs - 1);
using Fixed = std::array<std::uint32_t, kLimbs>;

Fixed whole(std::uint32_t n) {
    Fixed r{};
    r[kLimbs - 1] = n;
    return r;
}

bool isZero(const Fixed& a) {
    return std::all_of(a.begin(), a.end(), [](std::uint32_t limb) { return limb == 0; });
}

bool less(const Fixed& a, const Fixed& b) {
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

bool bit(const Fixed& a, int i) {
    return i >= 0 && ((a[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1U) != 0;
}

Fixed add(const Fixed& a, const Fixed& b) {
    Fixed r;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < kLimbs; ++i) {
        carry += std::uint64_t{a[i]} + b[i];
        r[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    return r;
}

// a - b for a >= b.
Fixed subtract(const Fixed& a, const Fixed& b) {
    Fixed r;
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < kLimbs; ++i) {
        const std::uint64_t difference = std::uint64_t{a[i]} - b[i] - borrow;
        r[i] = static_cast<std::uint32_t>(difference);
        borrow = difference >> 63;
    }
    return r;
}

// The product cut to kFractionBits: at most one ulp below the true one. The
// factors' product must stay below 2^32.
Fixed multiply(const Fixed& a, const Fixed& b) {
    std::array<std::uint32_t, std::size_t{2} * kLimbs> p{};
    for (std::size_t i = 0; i < kLimbs; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < kLimbs; ++j) {
            carry += std::uint64_t{a[i]} * b[j] + p[i + j];
            p[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        p[i + kLimbs] = static_cast<std::uint32_t>(carry);
    }
    Fixed r;
    std::copy(p.begin() + kLimbs - 1, p.end() - 1, r.begin());
    return r;
}

// Exact while the product stays below 2^32.
Fixed multiply(const Fixed& a, std::uint32_t m) {
    Fixed r;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < kLimbs; ++i) {
        carry += std::uint64_t{a[i]} * m;
        r[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    return r;
}

// Cut: less than one ulp below the true quotient.
Fixed divide(const Fixed& a, std::uint32_t d) {
    Fixed r;
    std::uint64_t remainder = 0;
    for (std::size_t i = kLimbs; i-- > 0;) {
        remainder = remainder << 32 | a[i];
        r[i] = static_cast<std::uint32_t>(remainder / d);
        remainder %= d;
    }
    return r;
}

// a / 2^n, cut: less than one ulp below.
Fixed shiftRight(const Fixed& a, int n) {
    Fixed r{};
    for (int i = 0; i + n < 32 * kLimbs; ++i)
        if (bit(a, i + n))
            r[static_cast<std::size_t>(i / 32)] |= 1U << (i % 32);
    return r;
}

// A non-negative double below 2^32 whose last bit weighs at least 2^-288,
// exactly.
Fixed fromDouble(double v) {
    int exponent = 0;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(v, &exponent), 53));
    const int lowest = exponent - 53 + kFractionBits;
    Fixed r{};
    for (int i = 0; mantissa != 0; ++i, mantissa >>= 1)
        if (mantissa & 1U)
            r[static_cast<std::size_t>((lowest + i) / 32)] |= 1U << ((lowest + i) % 32);
    return r;
}

// The double nearest a (a tie to the even one); normal results only.
double nearestDouble(const Fixed& a) {
    int top = 32 * kLimbs - 1;
    while (top >= 0 && !bit(a, top))
        --top;
    if (top < 0)
        return 0.0;
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 53; ++i)
        mantissa = mantissa << 1 | static_cast<std::uint64_t>(bit(a, top - i));
    bool below = false;
    for (int i = top - 54; i >= 0 && !below; --i)
        below = bit(a, i);
    if (bit(a, top - 53) && (below || (mantissa & 1U)))
        ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), top - 52 - kFractionBits);
}

// 1/d for d in [1, 8), from the double's 1/d (52 bits) by four Newton steps
// r' = r(2 - dr): each squares the relative error and adds at most 2 ulp of
// cutting, so 2^-52 becomes 2^-104, 2^-208, then a few ulp: within 4 ulp.
Fixed reciprocal(const Fixed& d) {
    Fixed r = fromDouble(1.0 / nearestDouble(d));
    for (int step = 0; step < 4; ++step)
        r = multiply(r, subtract(whole(2), multiply(d, r)));
    return r;
}

// Euler's series, atan(x) = sum over n >= 0 of T(n), T(0) = x / (1 + x^2),
// T(n) = T(n-1) y 2n / (2n + 1), y = x^2 / (1 + x^2) <= 1/2, given T(0) and
// `next`, which makes T(n) from T(n-1) and n, cutting it at most twice.
// The error a term inherits is at least halved, so no term is more than
// 12 ulp off when T(0) and y are within 4 ulp; the terms at least halve, so
// the sum stops within 330 terms, where the next term is cut to 0 and what is
// left of the series is below that term's 12 ulp. The sum is so within
// 330 * 12 + 12 ulp, under 2^12 ulp = 2^-276.
template <typename Next> Fixed eulerSeries(Fixed term, Next next) {
    Fixed sum = term;
    for (std::uint32_t n = 1; !isZero(term); ++n) {
        term = next(term, n);
        sum = add(sum, term);
    }
    return sum;
}

// atan(k/128) for k in 1..128, where y = k^2 / (128^2 + k^2) and every
// factor of a term is a small whole number: T(n) = T(n-1) 2n k^2 /
// ((2n + 1)(128^2 + k^2)), cut once, both factors below 2^32.
Fixed atanOfEighth(std::uint32_t k) {
    const std::uint32_t k2 = k * k, d = 128 * 128 + k2;
    return eulerSeries(divide(whole(128 * k), d), [&](const Fixed& term, std::uint32_t n) {
        return divide(multiply(term, 2 * n * k2), (2 * n + 1) * d);
    });
}

// The series at x, given T(0) and y.
Fixed eulerSeries(const Fixed& first, const Fixed& y) {
    return eulerSeries(first, [&](const Fixed& term, std::uint32_t n) {
        return divide(multiply(multiply(term, y), 2 * n), 2 * n + 1);
    });
}

// atan(a) for a in [2^-27, 2^53], within 2^-270 (about 2^-243 of the result,
// which is at least 2^-28). a <= 1 uses the series at x = a; a > 1 uses
// atan(a) = pi/2 - atan(1/a), the series at x = 1/a, whose y is 1/(1 + a^2)
// and T(0) is a/(1 + a^2); with a = s 2^p, s in [1, 2),
// 1/(1 + a^2) = 2^-2p / (2^-2p + s^2), so the reciprocal is of a number in
// [1, 5). Everything before the series (squares of doubles, the shifts, one
// reciprocal and its products) is within 4 ulp, pi/2 = 2 atan(1) within
// 2^-274.
Fixed fixedAtan(double a) {
    static const Fixed halfPi = multiply(atanOfEighth(128), 2);
    if (a <= 1) {
        const Fixed x = fromDouble(a);
        const Fixed square = multiply(x, x);
        const Fixed r = reciprocal(add(whole(1), square));
        return eulerSeries(multiply(x, r), multiply(square, r));
    }
    int p = 0;
    std::frexp(a, &p);
    --p;
    const Fixed s = fromDouble(std::ldexp(a, -p));
    const Fixed r = reciprocal(add(shiftRight(whole(1), 2 * p), multiply(s, s)));
    return subtract(halfPi, eulerSeries(shiftRight(multiply(s, r), p), shiftRight(r, 2 * p)));
}

// Why 2^-243 of the result is enough: the result is rounded right unless the
// true arctangent lies within that distance of a midpoint between two
// doubles. It never lies on one (the arctangent of a non-zero rational is
// irrational). The hardest cases there are come from the series' own shape,
// near x = 2^-26 (1.5)^(1/3), where x^3/3 puts atan(x) about 2^-106 of it
// from a midpoint (rows of the tests' table); past those, were the bits of
// atan beyond the 53rd as good as random, the chance that any of the fewer
// than 2^63 arguments comes within 2^-243 would be about 2^63 2^-190; and the
// published searches for the hardest-to-round cases of the elementary
// functions in double precision (Lefevre and Muller) found none needing much
// more than twice 53 bits away from such series-shaped ranges.

// ------------------------------------------------------------------------
// Double-double: an unevaluated sum hi + lo with |lo| <= ulp(hi)/2. With
// u = 2^-53, the operations below err by at most, of their result: the sum
// (the accurate one, bound by Joldes, Muller and Popescu, 2017) 3u^2 + 13u^3;
// the product 7u^2 (the cross terms' and their sum's roundings, al bl left
// out); the quotient 18u^2 (the residual a - q b is about 3u a and rounded
// four times, then divided by bh, not b): all under 2^-101. Products are
// split by Veltkamp's
// constant, so no fused multiply-add is needed, and no operand here is near
// overflow or underflow.
struct Dd {
    double hi;
    double lo;
};

Dd twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// For |a| >= |b|.
Dd fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

Dd split(double a) {
    const double t = 134217729.0 * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

Dd twoProduct(double a, double b) {
    const double p = a * b;
    const Dd x = split(a), y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Dd operator+(Dd a, Dd b) {
    Dd s = twoSum(a.hi, b.hi);
    const Dd t = twoSum(a.lo, b.lo);
    s = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(s.hi, s.lo + t.lo);
}

Dd operator-(Dd a) {
    return {-a.hi, -a.lo};
}

Dd operator*(Dd a, Dd b) {
    const Dd p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Dd operator/(Dd a, Dd b) {
    const double q = a.hi / b.hi;
    const Dd p = twoProduct(q, b.hi);
    const double r = (((a.hi - p.hi) - p.lo) + a.lo) - q * b.lo;
    return fastTwoSum(q, r / b.hi);
}

Dd toDd(const Fixed& a) {
    const double hi = nearestDouble(a);
    const Fixed h = fromDouble(hi);
    return {hi, less(a, h) ? -nearestDouble(subtract(h, a)) : nearestDouble(subtract(a, h))};
}

// atan(k/128) for k = 0..128, pi/2, -1/3 and 1/5, from the multi-precision
// evaluation: each within 2^-105 of its value (hi rounded, lo rounded).
struct Constants {
    std::array<Dd, 129> atanOf;
    Dd halfPi, minusThird, fifth;
};

const Constants& constants() {
    static const Constants c = [] {
        Constants made{};
        for (std::size_t k = 1; k < made.atanOf.size(); ++k)
            made.atanOf[k] = toDd(atanOfEighth(static_cast<std::uint32_t>(k)));
        made.halfPi = {2 * made.atanOf[128].hi, 2 * made.atanOf[128].lo};
        made.minusThird = -toDd(divide(whole(1), 3));
        made.fifth = toDd(divide(whole(1), 5));
        return made;
    }();
    return c;
}

// The reduction both double-double evaluations share: t = a, or 1/a for
// a > 1, as th + tl (the residual 1 - a th is exact but for one rounding, so
// th + tl is within 2^-104 t of t), and k with c = k/128 nearest th:
// |t - c| <= 2^-8 (1 + 2^-50), th - c exact (Sterbenz: c is within a factor
// 2 of th when k >= 1), and for k >= 1, t >= 2^-8, so |t - c| <= t and
// c <= 2t. atan(t) >= t pi/4 for t <= 1, and R >= atan(t) also for a > 1,
// where R = pi/2 - atan(t); so whatever errs by a part of t errs by at most
// 1.28 times that part of R.
struct Reduced {
    bool inverted;
    double th, tl, c;
    std::size_t k;
};

Reduced reduce(double a) {
    Reduced r{a > 1, a, 0.0, 0.0, 0};
    if (r.inverted) {
        r.th = 1.0 / a;
        const Dd p = twoProduct(a, r.th);
        r.tl = ((1.0 - p.hi) - p.lo) / a;
    }
    const double scaled = r.th * 128;
    r.k = static_cast<std::size_t>(scaled);
    if (scaled - static_cast<double>(r.k) >= 0.5)
        ++r.k;
    r.c = static_cast<double>(r.k) / 128;
    return r;
}

// The first try, in doubles but for the few exact steps, within 2^-65 R:
// - u = (t - c) / (1 + t c): the numerator th - c + tl exact, the denominator
//   within 2^-104; uh from the reciprocal, ul from the exact residual of uh
//   times the denominator, cut three times: uh + ul within 2^-100 t.
// - atan(u) - u = u^3 (-1/3 + v/5 - v^2/7 + v^3/9 ...), v = u^2 <= 2^-16
//   (1 + 2^-49), in plain doubles: with uh instead of u (6u), the square,
//   the coefficients and the Horner steps, within 12 2^-53 of it, it
//   weighing at most 2^-16 |u| / 3: 2^-67 |u|; the terms left out under
//   2^-83 |u|; adding it to ul 2^-69 |u|.
// - Everything else (the table's atan(c), the last sums, pi/2) within 2^-100
//   R; together, with |u| <= t: 2^-66.6 t, 2^-66.2 R.
Dd quickAtan(const Reduced& t, const Constants& c) {
    const Dd product = twoProduct(t.th, t.c);
    const double dh = 1.0 + product.hi;
    const double dl = ((1.0 - dh) + product.hi) + (product.lo + t.tl * t.c);
    const double inverse = 1.0 / dh;
    const double nh = t.th - t.c;
    const double uh = nh * inverse;
    const Dd back = twoProduct(uh, dh);
    const double ul = ((((nh - back.hi) - back.lo) + t.tl) - uh * dl) * inverse;
    const double v = uh * uh;
    const double series = uh * v * (-1.0 / 3 + v * (1.0 / 5 + v * (-1.0 / 7 + v * (1.0 / 9))));
    const Dd& atanC = c.atanOf[t.k];
    const Dd sum = fastTwoSum(atanC.hi, uh);
    const double lo = sum.lo + (atanC.lo + (ul + series));
    if (!t.inverted)
        return {sum.hi, lo};
    const Dd rest = fastTwoSum(c.halfPi.hi, -sum.hi);
    return {rest.hi, rest.lo + (c.halfPi.lo - lo)};
}

// The second try, in double-double throughout, within 2^-92 of R:
// - u = (t - c) / (1 + t c): the numerator is exact, the denominator in
//   [1, 2] within 2^-101, u within 2^-100 of u.
// - atan(u) = u + u v q3, v = u^2 <= 2^-16 (1 + 2^-49),
//   q3 = -1/3 + v q5, q5 = 1/5 + v tail, tail = -1/7 + v/9 - v^2/11 + v^3/13
//   in plain doubles (within 2^-52 of it, weighing v^3 u <= 2^-48 u: 2^-100
//   u); q5 then within 2^-71, q3 within 2^-85 and u v q3 within 2^-99 u;
//   the series left out is below u^15/15 < 2^-115 u. atan(u) is so within
//   2^-98 |u| (the last sum adds 2^-101).
// - The table's atan(c) is within 2^-105 atan(c), the last sums within 2^-101
//   of theirs. Every term is at most 2 t or 2.6 R, so R comes within 2^-95 R
//   (pi/2 within 2^-105 R); 2^-92 R leaves a factor of 8.
Dd accurateAtan(const Reduced& t, const Constants& c) {
    const Dd product = twoProduct(t.th, t.c);
    const Dd u =
        twoSum(t.th - t.c, t.tl) / (Dd{1.0, 0.0} + Dd{product.hi, product.lo + t.tl * t.c});
    const Dd v = u * u;
    const double w = v.hi;
    const double tail = -1.0 / 7 + w * (1.0 / 9 + w * (-1.0 / 11 + w * (1.0 / 13)));
    const Dd q5 = c.fifth + Dd{w * tail, 0.0};
    const Dd q3 = c.minusThird + v * q5;
    const Dd r = c.atanOf[t.k] + (u + u * (v * q3));
    return t.inverted ? c.halfPi + -r : r;
}

// Whether every number within e of r rounds to the same double, and if so,
// that double. The rounding of r.lo -+ e errs by at most 2^-105 r.hi, which
// e must leave room for.
bool roundsSurely(const Dd& r, double e, double& rounded) {
    rounded = r.hi + (r.lo - e);
    return rounded == r.hi + (r.lo + e);
}

// What both evaluations share: the arguments whose rounding is known at once.
// - |x| < 2^-27 (NaN, zeros, subnormals included): atan(x) rounds to x.
//   For 0 < x < 2^-27, x - x^3/3 < atan(x) < x, so atan(x) is within
//   x^3/3 < 2^-54 x / 3 of x; the doubles next to x are at least 2^-53 x away
//   (2^-53 x just below a power of two, more elsewhere and among the
//   subnormals), the midpoints at least 2^-54 x: atan(x) is nearer x than
//   either midpoint. atan is odd; the same holds below zero.
// - |x| >= 2^53 (infinities included): atan(x) rounds to the double nearest
//   pi/2. 0 < pi/2 - atan(|x|) = atan(1/|x|) < 2^-53, and pi/2 lies
//   6.1e-17 above that double, so atan(|x|) lies within 5.0e-17 below it and
//   6.2e-17 above, inside the half ulp (2^-53 = 1.1e-16) either side.
// Everything else goes to `evaluate` with |x|, the sign put back after.
template <typename Evaluate> double roundedAtan(double x, Evaluate evaluate) {
    const double a = std::fabs(x);
    if (!(a >= 0x1p-27))
        return x;
    const double y = a >= 0x1p53 ? constants().halfPi.hi : evaluate(a);
    return std::copysign(y, x);
}

} // namespace

double correctlyRoundedAtan(double x) {
    return roundedAtan(x, [](double a) {
        // Each try is within E of the true R, so if every number within E of
        // it rounds to the same double, R does too; e = 2 E covers the
        // rounding in that test.
        const Constants& c = constants();
        const Reduced t = reduce(a);
        double y = 0.0;
        Dd r = quickAtan(t, c);
        if (roundsSurely(r, r.hi * 0x1p-64, y))
            return y;
        r = accurateAtan(t, c);
        if (roundsSurely(r, r.hi * 0x1p-91, y))
            return y;
        return nearestDouble(fixedAtan(a));
    });
}

ArctangentTry quickArctangent(double a) {
    const Dd r = quickAtan(reduce(a), constants());
    return {r.hi, r.lo};
}

ArctangentTry accurateArctangent(double a) {
    const Dd r = accurateAtan(reduce(a), constants());
    return {r.hi, r.lo};
}

double multiPrecisionAtan(double x) {
    return roundedAtan(x, [](double a) { return nearestDouble(fixedAtan(a)); });
}

} // namespace orbel
