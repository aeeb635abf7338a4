#include "number_forms.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace orbel::fuzz {
namespace {

enum Kind { Blank, Sign, Digit, Point, Exponent, Other, kKinds };

Kind kindOf(char c) {
    if (c == ' ' || c == '\t')
        return Blank;
    if (c == '+' || c == '-')
        return Sign;
    if (c >= '0' && c <= '9')
        return Digit;
    if (c == '.')
        return Point;
    if (c == 'e' || c == 'E')
        return Exponent;
    return Other;
}

// The typed form as a state machine, one row per state; -1 refuses the text.
// The states where a text may end are the ones with a digit behind them.
enum State { Lead, Signed, Whole, BarePoint, Fraction, E, ESigned, EDigits, Trail, kStates };
constexpr int kRefuse = -1;

// clang-format off
constexpr std::array<std::array<int, kKinds>, kStates> kMoves = {{
    //            Blank    Sign     Digit    Point      Exponent Other
    /* Lead */      {{Lead,    Signed,  Whole,   BarePoint, kRefuse, kRefuse}},
    /* Signed */    {{kRefuse, kRefuse, Whole,   BarePoint, kRefuse, kRefuse}},
    /* Whole */     {{Trail,   kRefuse, Whole,   Fraction,  E,       kRefuse}},
    /* BarePoint */ {{kRefuse, kRefuse, Fraction, kRefuse,  kRefuse, kRefuse}},
    /* Fraction */  {{Trail,   kRefuse, Fraction, kRefuse,  E,       kRefuse}},
    /* E */         {{kRefuse, ESigned, EDigits, kRefuse,   kRefuse, kRefuse}},
    /* ESigned */   {{kRefuse, kRefuse, EDigits, kRefuse,   kRefuse, kRefuse}},
    /* EDigits */   {{Trail,   kRefuse, EDigits, kRefuse,   kRefuse, kRefuse}},
    /* Trail */     {{Trail,   kRefuse, kRefuse, kRefuse,   kRefuse, kRefuse}},
}};
constexpr std::array<bool, kStates> kMayEnd = {
    false, false, true, false, true, false, false, true, true};
// clang-format on

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A fraction as shown: at least one digit, the last one not zero.
bool isShownFraction(std::string_view fraction) {
    return !fraction.empty() && allDigits(fraction) && fraction.back() != '0';
}

bool isFixedForm(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || !allDigits(whole) || whole.size() > 15)
        return false;
    if (point != std::string_view::npos && !isShownFraction(fraction))
        return false;
    if (whole == "0") {
        // Zero itself is "0" with no sign; from 0.0001 down is exponent form.
        const std::size_t zeros = fraction.find_first_not_of('0');
        return !fraction.empty() && zeros <= 3 && fraction.size() - zeros <= 15;
    }
    return whole.front() != '0' && whole.size() + fraction.size() <= 15;
}

bool isExponentForm(std::string_view text) {
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const std::string_view power = text.substr(e + 1);
    if (mantissa.empty() || mantissa.front() < '1' || mantissa.front() > '9')
        return false;
    if (mantissa.size() > 1 && (mantissa[1] != '.' || !isShownFraction(mantissa.substr(2))))
        return false;
    if (mantissa.size() > 16) // the first digit, the point and 14 more
        return false;
    if (power.size() < 3 || power.size() > 4 || (power[0] != '+' && power[0] != '-') ||
        !allDigits(power.substr(1)) || (power.size() == 4 && power[1] == '0'))
        return false;
    int magnitude = 0;
    for (char c : power.substr(1))
        magnitude = magnitude * 10 + (c - '0');
    // From 1E+15 up and below 1E-04, and only as far as a double reaches.
    return power[0] == '+' ? magnitude >= 15 && magnitude <= 308
                           : magnitude >= 5 && magnitude <= 324;
}

} // namespace

bool isPlainDecimal(std::string_view text) {
    int state = Lead;
    for (char c : text) {
        state = kMoves[static_cast<std::size_t>(state)][kindOf(c)];
        if (state == kRefuse)
            return false;
    }
    return kMayEnd[static_cast<std::size_t>(state)];
}

std::optional<long> leadingPowerOfTen(std::string_view text) {
    if (!isPlainDecimal(text))
        return std::nullopt;
    constexpr long kClamp = 100000;
    // "0.05": one whole digit, the leading non-zero digit is the third one,
    // so its power is 1 - 1 - 2 = -2.
    long wholeDigits = 0;
    long digits = 0;
    std::optional<long> lead;
    bool afterPoint = false;
    std::size_t i = text.find_first_not_of(" \t+-");
    for (; i < text.size() && (kindOf(text[i]) == Digit || kindOf(text[i]) == Point); ++i) {
        if (text[i] == '.') {
            afterPoint = true;
            continue;
        }
        if (!lead && text[i] != '0')
            lead = digits;
        ++digits;
        wholeDigits += afterPoint ? 0 : 1;
    }
    if (!lead)
        return std::nullopt;
    long exponent = 0;
    bool negative = false;
    if (i < text.size() && kindOf(text[i]) == Exponent) {
        ++i;
        if (i < text.size() && kindOf(text[i]) == Sign)
            negative = text[i++] == '-';
        for (; i < text.size() && kindOf(text[i]) == Digit; ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 10 * kClamp);
    }
    const long power = wholeDigits - 1 - *lead + (negative ? -exponent : exponent);
    return std::clamp(power, -kClamp, kClamp);
}

bool isShownNumber(std::string_view text) {
    if (text == "0")
        return true;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.find('E') != std::string_view::npos)
        return isExponentForm(text);
    return isFixedForm(text);
}

} // namespace orbel::fuzz
