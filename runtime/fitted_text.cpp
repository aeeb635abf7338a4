#include "fitted_text.h"

#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace orbel {
namespace {

constexpr std::string_view kMark = "\u2026";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number as written: its sign, digits and point, then its exponent; and
// its value as significant digits times a power of ten.
struct Number {
    std::string_view mantissa; // "-2.7776"
    std::string_view exponent; // "E+21", or empty
    bool negative = false;
    std::string digits;  // no leading or trailing zeros; empty for zero
    long long power = 0; // of the first digit
};

// The same shape a number's text has for Calculate: an optional sign, digits
// with at most one point, an optional exponent, blanks around.
std::optional<Number> readNumber(std::string_view text) {
    text = trimBlanks(text);
    Number number;
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
        const bool minus = ++i < text.size() && text[i] == '-';
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
        number.digits = all.substr(first, all.find_last_not_of('0') + 1 - first);
        number.power = written + whole - 1 - static_cast<long long>(first);
    }
    return number;
}

// The number rounded to `count` significant digits, in exponent form with at
// least two exponent digits, as the program writes a number: "3E+21".
std::string rounded(const Number& number, std::size_t count) {
    if (number.digits.empty())
        return "0";
    std::string digits = number.digits.substr(0, count);
    long long power = number.power;
    if (number.digits.size() > count && number.digits[count] >= '5') {
        auto at = digits.rbegin();
        for (; at != digits.rend() && *at == '9'; ++at)
            *at = '0';
        if (at == digits.rend()) {
            digits.insert(digits.begin(), '1');
            ++power;
        } else {
            ++*at;
        }
    }
    digits.erase(std::max<std::size_t>(1, digits.find_last_not_of('0') + 1));

    std::string text = number.negative ? "-" : "";
    text += digits.front();
    if (digits.size() > 1)
        text.append(".").append(digits, 1);
    text += power < 0 ? "E-" : "E+";
    std::array<char, 24> magnitude{};
    const auto end = std::to_chars(magnitude.data(), magnitude.data() + magnitude.size(),
                                   power < 0 ? -power : power);
    if (end.ptr - magnitude.data() < 2)
        text += '0';
    return text.append(magnitude.data(), end.ptr);
}

} // namespace

// Each form is grown one step at a time while it fits, so a text of any
// length costs only as many measures as the room holds characters.
std::string fittedText(std::string_view text, int room, const TextWidth& width) {
    if (width(text) <= room)
        return std::string(text);
    std::string fitted;
    const auto fits = [&](const std::string& shown) { return width(shown) <= room; };
    const std::optional<Number> number = readNumber(text);
    if (!number) {
        for (std::size_t end = 0; end < text.size(); ++end) {
            if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
                continue; // inside a character
            std::string shown = std::string(text.substr(0, end)).append(kMark);
            if (!fits(shown))
                break;
            fitted = std::move(shown);
        }
        return fitted;
    }

    const std::string_view mantissa = number->mantissa;
    const std::size_t firstDigit = mantissa.find_first_of("0123456789");
    for (std::size_t end = firstDigit + 1; end < mantissa.size(); ++end) {
        if (!isDigit(mantissa[end - 1]))
            continue; // a point before the mark would read as more dots
        std::string shown =
            std::string(mantissa.substr(0, end)).append(kMark).append(number->exponent);
        if (!fits(shown))
            break;
        fitted = std::move(shown);
    }
    if (!fitted.empty())
        return fitted;
    for (std::size_t count = 1; count <= std::max<std::size_t>(1, number->digits.size()); ++count) {
        std::string shown = rounded(*number, count);
        if (!fits(shown))
            break;
        fitted = std::move(shown);
    }
    if (!fitted.empty())
        return fitted;
    // Neither cut nor rounded does it fit: a fill, never another number, and
    // no longer than the text.
    while (fitted.size() < text.size() && fits(fitted + '#'))
        fitted += '#';
    return fitted;
}

} // namespace orbel
