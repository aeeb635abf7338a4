// Numbers to and from text, the same in every locale: reading a plain decimal,
// writing at most 15 significant digits.
#include "conversions.h"

#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orbel {
namespace {

constexpr double kLargestRoundedUp = 1.797693134862315e308;

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
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.negative = text[i++] == '-';
    std::string all;
    long long whole = 0; // digits before the point
    for (; i < text.size() && isDigit(text[i]); ++i, ++whole)
        all += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            all += text[i];
    if (all.empty())
        return std::nullopt;
    number.mantissa = text.substr(0, i);
    number.exponent = text.substr(i);

    long long written = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool minus = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
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

// The same grammar as readNumber, read in place: a table reads several
// numbers a row, and this is where its time went.
TextValue textValue(std::string_view text) {
    text = trimBlanks(text);
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    long long whole = 0;  // digits before the point
    long long count = 0;  // digits in all
    long long first = -1; // where the first significant one is among them
    for (; i < text.size() && isDigit(text[i]); ++i, ++whole, ++count)
        if (first < 0 && text[i] != '0')
            first = count;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++count)
            if (first < 0 && text[i] != '0')
                first = count;
    if (count == 0)
        return {0.0, ErrorCode::TypeMismatch};

    long long written = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool minus = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (i == text.size())
            return {0.0, ErrorCode::TypeMismatch};
        for (; i < text.size() && isDigit(text[i]); ++i) // saturated far beyond any double
            written = std::min(written * 10 + (text[i] - '0'), 1'000'000'000'000LL);
        written = minus ? -written : written;
    }
    if (i != text.size())
        return {0.0, ErrorCode::TypeMismatch};

    double magnitude = 0.0;
    const char* last = text.data() + text.size();
    const auto [end, error] =
        std::from_chars(text.data() + mantissa, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is an error; too small is simply zero.
        if (first >= 0 && written + whole - 1 - first >= 0)
            return {0.0, ErrorCode::Overflow};
        magnitude = 0.0;
    } else if (error != std::errc() || end != last) {
        return {0.0, ErrorCode::TypeMismatch};
    }
    return {negative ? -magnitude : magnitude, std::nullopt};
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
    out.count = 0;
    for (const char c : text.substr(0, e))
        if (isDigit(c))
            out.digits[static_cast<std::size_t>(out.count++)] = c;
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
// rounding: exact everywhere, and several times dearer than the shortest form.
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

// The same 15 digits from the shortest text that reads back as the
// magnitude, where that settles them; false where it does not.
//
// Why it is exact: a double's neighbours lie closer together than 15-digit
// decimals do (at most 2.2e-16 of the value apart, against at least 1e-15),
// so a shortest text S of 15 digits or fewer is the only 15-digit decimal
// within half a unit in the last place of the magnitude x, and the nearest.
// A longer S (16 or 17 digits) lies within that half unit of x, which is at
// most (first digit + 1) x 0.0111 of a unit in the 15th digit; when S's
// digits beyond the 15th are farther than that from a half, S and x round
// the same way. Nearer a half, and in the subnormal range, the general
// rounding decides.
bool fifteenFromShortest(double magnitude, Digits& out) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific);
    readScientific({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())}, out);
    if (out.power > 290 || out.power < -290)
        return false;
    if (out.count > 15) {
        double beyond = 0.0; // the digits beyond the 15th, as a fraction of its unit
        double unit = 1.0;
        for (std::size_t i = 15; i < static_cast<std::size_t>(out.count); ++i) {
            unit /= 10.0;
            beyond += (out.digits[i] - '0') * unit;
        }
        const double reach = (out.digits[0] - '0' + 1) * 0.0112;
        if (std::fabs(beyond - 0.5) <= reach)
            return false;
        out.count = 15;
        if (beyond > 0.5) {
            int i = 14;
            for (; i >= 0 && out.digits[static_cast<std::size_t>(i)] == '9'; --i)
                out.digits[static_cast<std::size_t>(i)] = '0';
            if (i < 0) {
                out.digits[0] = '1';
                ++out.power;
            } else {
                ++out.digits[static_cast<std::size_t>(i)];
            }
        }
    }
    dropTrailingZeros(out);
    return true;
}

} // namespace

std::string numberToText(double value) {
    if (!std::isfinite(value))
        throw RunTimeError(ErrorCode::Overflow);
    if (value == 0.0)
        return "0";
    const double magnitude = std::fabs(value);
    Digits number;
    if (!fifteenFromShortest(magnitude, number))
        fifteenDigits(magnitude, number);

    // As plainText and exponentText write it, in one buffer: at most a sign,
    // 15 digits, a point and "0.000" or "E+308".
    std::array<char, 32> text{};
    char* at = text.data();
    if (value < 0)
        *at++ = '-';
    const char* digits = number.digits.data();
    const int count = number.count;
    const int power = number.power;
    if (power >= 15 || power < -4) {
        *at++ = digits[0];
        if (count > 1) {
            *at++ = '.';
            at = std::copy(digits + 1, digits + count, at);
        }
        *at++ = 'E';
        *at++ = power < 0 ? '-' : '+';
        const int size = power < 0 ? -power : power;
        if (size < 10)
            *at++ = '0';
        at = std::to_chars(at, text.data() + text.size(), size).ptr;
    } else if (power < 0) {
        *at++ = '0';
        *at++ = '.';
        at = std::fill_n(at, -power - 1, '0');
        at = std::copy(digits, digits + count, at);
    } else if (count > power + 1) {
        at = std::copy(digits, digits + power + 1, at);
        *at++ = '.';
        at = std::copy(digits + power + 1, digits + count, at);
    } else {
        at = std::copy(digits, digits + count, at);
        at = std::fill_n(at, power + 1 - count, '0');
    }
    return {text.data(), static_cast<std::size_t>(at - text.data())};
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
