// Numbers to and from text, the same in every locale: reading a plain decimal,
// writing at most 15 significant digits.
#include "conversions.h"

#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orbel {
namespace {

constexpr double kLargestRoundedUp = 1.797693134862315e308;

// Powers of ten up to 10^22 are exact doubles; up to 10^19 they fit 64 bits.
constexpr std::array<double, 23> kTens = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// "00" to "99", for writing digits two at a time.
constexpr std::array<char, 200> kPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Read before any digit is converted, so that from_chars never sees a form
// ("inf", "0x1p3") we do not accept.
std::optional<WrittenNumber> readNumber(std::string_view text) {
    text = trimBlanks(text);
    WrittenNumber number;
    std::size_t i = 0;
    const auto nextIs = [&](std::string_view any) {
        return i < text.size() && any.find(text[i]) != std::string_view::npos;
    };
    if (nextIs("+-"))
        number.negative = text[i++] == '-';
    std::string all;
    long long whole = 0; // digits before the point
    for (; i < text.size() && isDigit(text[i]); ++i, ++whole)
        all += text[i];
    if (nextIs("."))
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            all += text[i];
    if (all.empty())
        return std::nullopt;
    number.mantissa = text.substr(0, i);
    number.exponent = text.substr(i);

    long long written = 0;
    if (nextIs("eE")) {
        ++i;
        const bool minus = nextIs("-");
        if (nextIs("+-"))
            ++i;
        if (i == text.size())
            return std::nullopt;
        for (; i < text.size() && isDigit(text[i]); ++i) // saturated far beyond any double
            written = std::min(written * 10 + (text[i] - '0'), 1'000'000'000'000LL);
        written = minus ? -written : written;
    }
    if (i != text.size())
        return std::nullopt;

    const std::size_t first = all.find_first_not_of('0');
    if (first != std::string::npos) {
        number.digits = all.substr(first);
        number.digits.erase(number.digits.find_last_not_of('0') + 1);
        number.power = written + whole - 1 - static_cast<long long>(first);
    }
    return number;
}

std::optional<double> plainDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    if (text.empty() || text == ".")
        return std::nullopt;
    constexpr std::uint64_t kExact = std::uint64_t{1} << 53;
    std::uint64_t whole = 0;
    std::size_t places = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (!isDigit(c) || places == kTens.size() - 1) {
            return std::nullopt;
        } else {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            places += point ? 1 : 0;
            if (whole > kExact)
                return std::nullopt;
        }
    }
    // One correctly rounded division, which is the double from_chars gives.
    const double magnitude = static_cast<double>(whole) / kTens[places];
    return negative ? -magnitude : magnitude;
}

TextValue textValue(std::string_view text) {
    if (const std::optional<double> plain = plainDecimal(trimBlanks(text)))
        return {*plain, std::nullopt};
    const std::optional<WrittenNumber> number = readNumber(text);
    if (!number)
        return {.error = ErrorCode::TypeMismatch};
    double magnitude = 0.0;
    const char* first = number->mantissa.data() +
                        (number->mantissa.front() == '+' || number->mantissa.front() == '-');
    const char* last = number->exponent.data() + number->exponent.size();
    const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is an error; too small is simply zero.
        if (!number->digits.empty() && number->power >= 0)
            return {.error = ErrorCode::Overflow};
        magnitude = 0.0;
    } else if (error != std::errc() || end != last) {
        return {.error = ErrorCode::TypeMismatch};
    }
    return {number->negative ? -magnitude : magnitude, std::nullopt};
}

double textToNumber(std::string_view text) {
    const TextValue read = textValue(text);
    if (read.error)
        throw RunTimeError(*read.error);
    return read.value;
}

namespace {

// A magnitude's significant digits, no trailing zeros, and the power of ten
// of the first.
struct Digits {
    std::array<char, 24> digits{};
    int count = 0;
    int power = 0;
};

// The digits of `text` ("d.ddde+XX", as std::to_chars writes it) before
// the "e", and the exponent after it.
void readScientific(std::string_view text, Digits& out) {
    const std::size_t e = text.find('e');
    std::size_t count = 0;
    for (const char c : text.substr(0, e))
        if (isDigit(c))
            out.digits[count++] = c;
    out.count = static_cast<int>(count);
    int exponent = 0;
    for (const char c : text.substr(e + 2))
        exponent = exponent * 10 + (c - '0');
    out.power = text[e + 1] == '-' ? -exponent : exponent;
}

void dropTrailingZeros(Digits& out) {
    while (out.count > 1 && out.digits[static_cast<std::size_t>(out.count - 1)] == '0')
        --out.count;
}

// 15 significant digits, correctly rounded, through std::to_chars's general
// rounding: exact everywhere, and dearer than the integers below.
void fifteenDigits(double magnitude, Digits& out) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, 14);
    readScientific({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())}, out);
    dropTrailingZeros(out);
    // The largest doubles round up past the largest double at 15 digits and
    // could not be read back; they are shown cut to 15 digits instead.
    if (magnitude >= kLargestRoundedUp) {
        constexpr std::string_view cut = "179769313486231";
        std::copy(cut.begin(), cut.end(), out.digits.begin());
        out.count = static_cast<int>(cut.size());
    }
}

// A whole number below 2^128 as two 64-bit halves: the standard has no
// wider integer.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

Wide wideProduct(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t kHalf = 0xffff'ffff;
    const std::uint64_t lowLow = (a & kHalf) * (b & kHalf);
    const std::uint64_t lowHigh = (a & kHalf) * (b >> 32);
    const std::uint64_t highLow = (a >> 32) * (b & kHalf);
    const std::uint64_t highHigh = (a >> 32) * (b >> 32);
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kHalf) + (highLow & kHalf);
    return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & kHalf)};
}

// The number shifted right by 1 to 127 places, where the result fits 64 bits.
std::uint64_t shiftedRight(const Wide& n, int by) {
    return by >= 64 ? n.high >> (by - 64) : (n.high << (64 - by)) | (n.low >> by);
}

// Bit `at` (0 to 127) of the number, and whether any below it is set.
bool bitAt(const Wide& n, int at) {
    return ((at >= 64 ? n.high >> (at - 64) : n.low >> at) & 1) != 0;
}
bool anyBelow(const Wide& n, int at) {
    return at > 64 ? n.low != 0 || (n.high << (128 - at)) != 0
                   : at > 0 && (n.low << (64 - at)) != 0;
}

// The same 15 digits for a magnitude from 0.0001 up to 10^15, the numbers
// people measure lenses in, worked out exactly in integers: false outside it.
//
// The magnitude is m x 2^-s, m below 2^53; its first digit is at 10^E, so
// its 15 digits are m x 10^(14-E) / 2^s rounded to a whole number, the tie
// to the even one as std::to_chars rounds. m x 10^(14-E) is below
// 2^53 x 10^18, well within 128 bits, which the standard has no integer
// for: two 64-bit halves hold it.
bool fifteenInIntegers(double magnitude, Digits& out) {
    if (!(magnitude >= 1e-4 && magnitude < 1e15))
        return false;
    // The magnitude's bits: a normal double here, 1.f x 2^(e - 1023).
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biased; // magnitude = mantissa / 2^shift; 3 to 66 here
    // 10^E <= magnitude < 10^(E+1): E from the binary exponent, at most one
    // too small, then checked against 10^(E+1): that power itself for E >= -1,
    // and below it the double nearest, which lies above the power, so that
    // no double lies between the two.
    // floor(e log10 2) as 78913 / 2^18 gives it for |e| below 1,600, without
    // a call to floor.
    int power = ((biased - 1023) * 78913) >> 18;
    const int above = power + 1;
    const double next = above >= 0 ? kTens[static_cast<std::size_t>(above)]
                                   : 1.0 / kTens[static_cast<std::size_t>(-above)];
    if (magnitude >= next)
        ++power;
    const Wide scaled = wideProduct(
        mantissa, static_cast<std::uint64_t>(kTens[static_cast<std::size_t>(14 - power)]));
    // Rounded to nearest: up when the first bit shifted out is set and
    // anything after it, or at a tie when the digits are odd.
    auto digits = shiftedRight(scaled, shift);
    if (bitAt(scaled, shift - 1) && (anyBelow(scaled, shift - 1) || (digits & 1) != 0))
        ++digits;
    if (digits == 1'000'000'000'000'000) { // 9.99...95 and up, rounded to the next power
        digits /= 10;
        ++power;
    }
    // The 15 digits, two at a time from the last, in 32-bit halves.
    auto high = static_cast<std::uint32_t>(digits / 100'000'000); // the first 7
    auto low = static_cast<std::uint32_t>(digits % 100'000'000);  // the last 8
    const auto pair = [&](std::size_t at, std::size_t two) {
        out.digits[at] = kPairs[2 * two];
        out.digits[at + 1] = kPairs[2 * two + 1];
    };
    for (const std::size_t at : {13U, 11U, 9U, 7U}) {
        pair(at, low % 100);
        low /= 100;
    }
    for (const std::size_t at : {5U, 3U, 1U}) {
        pair(at, high % 100);
        high /= 100;
    }
    out.digits[0] = static_cast<char>('0' + high);
    out.count = 15;
    out.power = power;
    dropTrailingZeros(out);
    return true;
}

} // namespace

std::string numberToText(double value) {
    if (!std::isfinite(value))
        throw RunTimeError(ErrorCode::Overflow);
    const double magnitude = std::fabs(value);
    Digits number;
    if (!fifteenInIntegers(magnitude, number))
        fifteenDigits(magnitude, number);

    const std::string_view digits(number.digits.data(), static_cast<std::size_t>(number.count));
    return number.power >= 15 || number.power < -4 ? exponentText(value < 0, digits, number.power)
                                                   : plainText(value < 0, digits, number.power);
}

std::string plainText(bool negative, std::string_view digits, long long power) {
    if (digits.empty())
        return "0";
    std::string text = negative ? "-" : "";
    if (power < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-power - 1), '0');
        return text.append(digits);
    }
    const auto whole = static_cast<std::size_t>(power) + 1;
    text.append(digits.substr(0, whole));
    if (digits.size() > whole)
        text.append(".").append(digits.substr(whole));
    else
        text.append(whole - digits.size(), '0');
    return text;
}

std::string exponentText(bool negative, std::string_view digits, long long power) {
    if (digits.empty())
        return "0";
    std::string text = negative ? "-" : "";
    text += digits.front();
    if (digits.size() > 1)
        text.append(".").append(digits.substr(1));
    text += power < 0 ? "E-" : "E+";
    std::array<char, 24> magnitude{};
    const auto end = std::to_chars(magnitude.data(), magnitude.data() + magnitude.size(),
                                   power < 0 ? -power : power);
    if (end.ptr - magnitude.data() < 2)
        text += '0';
    return text.append(magnitude.data(), end.ptr);
}

} // namespace orbel
