// Numbers to and from text, the same in every locale: reading a plain decimal,
// writing at most 15 significant digits.
#include "conversions.h"

#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
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

TextValue textValue(std::string_view text) {
    const std::optional<WrittenNumber> number = readNumber(text);
    if (!number)
        return {0.0, ErrorCode::TypeMismatch};
    double magnitude = 0.0;
    const char* first = number->mantissa.data() +
                        (number->mantissa.front() == '+' || number->mantissa.front() == '-');
    const char* last = number->exponent.data() + number->exponent.size();
    const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is an error; too small is simply zero.
        if (!number->digits.empty() && number->power >= 0)
            return {0.0, ErrorCode::Overflow};
        magnitude = 0.0;
    } else if (error != std::errc() || end != last) {
        return {0.0, ErrorCode::TypeMismatch};
    }
    return {number->negative ? -magnitude : magnitude, std::nullopt};
}

double textToNumber(std::string_view text) {
    const TextValue read = textValue(text);
    if (read.error)
        throw RunTimeError(*read.error);
    return read.value;
}

std::string numberToText(double value) {
    if (!std::isfinite(value))
        throw RunTimeError(ErrorCode::Overflow);
    if (value == 0.0)
        return "0";

    // 15 significant digits, correctly rounded: "d.dddddddddddddde+XX".
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(result.ptr - buffer.data()));

    const bool negative = scientific.front() == '-';
    const std::size_t ePos = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(scientific.data() + ePos + 1);
    // The largest doubles round up past the largest double at 15 digits and
    // could not be read back; they are shown cut to 15 digits instead.
    if (std::fabs(value) >= kLargestRoundedUp)
        digits = "179769313486231";

    return exponent >= 15 || exponent < -4 ? exponentText(negative, digits, exponent)
                                           : plainText(negative, digits, exponent);
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
