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

// The number rounded to `count` significant digits, in exponent form with at
// least two exponent digits, as the program writes a number: "3E+21".
std::string rounded(const WrittenNumber& number, std::size_t count) {
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
    const std::optional<WrittenNumber> number = readNumber(text);
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
