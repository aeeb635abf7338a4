// What of a text fits a field's room: the whole text, a number cut inside its
// fraction or rounded as a spreadsheet rounds it, a fill of "#", or a text cut with "…".
#include "fitted_text.h"

#include "conversions.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orbel {
namespace {

constexpr std::string_view kMark = "\u2026";

using Fits = std::function<bool(const std::string&)>;

// A number's significant digits and the power of ten of the first.
struct Digits {
    std::string digits; // no trailing zeros; empty for zero
    long long power = 0;
};

// The number rounded half away from zero to its first `keep` significant
// digits, on its decimal text, so that what is shown is what was written.
Digits rounded(const WrittenNumber& number, long long keep) {
    if (keep >= static_cast<long long>(number.digits.size()))
        return {number.digits, number.power};
    if (keep < 0)
        return {};
    Digits result{number.digits.substr(0, static_cast<std::size_t>(keep)), number.power};
    if (number.digits[static_cast<std::size_t>(keep)] >= '5') {
        auto at = result.digits.rbegin();
        for (; at != result.digits.rend() && *at == '9'; ++at)
            *at = '0';
        if (at == result.digits.rend()) {
            result.digits.insert(result.digits.begin(), '1');
            ++result.power;
        } else {
            ++*at;
        }
    }
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result.digits.empty() ? Digits{} : result;
}

// The number cut inside its fraction: the sign, the whole integer part, the
// point, the fraction's digits up to at least its first significant digit,
// the mark and the whole exponent, as long as fits ("1277.6…", "0.0012…",
// "2.77…E+21"). Empty when no such cut fits or the number has no fraction
// to cut; a fraction cut before zeros alone would mark digits that are not
// there, and so is none.
std::string cutInFraction(const WrittenNumber& number, const Fits& fits) {
    const std::string_view mantissa = number.mantissa;
    const std::size_t point = mantissa.find('.');
    const std::size_t significant = mantissa.find_first_of("123456789");
    std::string fitted;
    if (point == std::string_view::npos || significant == std::string_view::npos)
        return fitted;
    const std::size_t last = mantissa.find_last_not_of('0') + 1;
    for (std::size_t end = std::max(point + 2, significant + 1); end < last; ++end) {
        std::string shown =
            std::string(mantissa.substr(0, end)).append(kMark).append(number.exponent);
        if (!fits(shown))
            break;
        fitted = std::move(shown);
    }
    return fitted;
}

// The number as a spreadsheet shows it in a narrow cell: plainly with as many
// places as fit while its integer part fits and a significant digit shows
// ("1278" for 1277.696), else with an exponent and as many significant digits
// as fit ("1.3E+07"). A plain form whose integer part, or whose zeros before
// the first digit, outnumber the characters of the written number is not
// tried: where the number did not fit, it would not either.
std::string roundedToFit(const WrittenNumber& number, std::size_t written, const Fits& fits) {
    if (number.digits.empty())
        return fits("0") ? "0" : "";
    std::string fitted;
    const auto length = static_cast<long long>(written);
    if (number.power < length && -number.power < length) {
        for (long long places = 0;; ++places) {
            const Digits shown = rounded(number, number.power + 1 + places);
            if (shown.digits.empty())
                continue; // it would read as zero
            std::string text = plainText(number.negative, shown.digits, shown.power);
            if (!fits(text))
                break; // more places only widen it
            fitted = std::move(text);
            if (shown.digits.size() == number.digits.size())
                break; // every digit shows
        }
    }
    if (!fitted.empty())
        return fitted;
    for (std::size_t count = 1; count <= number.digits.size(); ++count) {
        const Digits shown = rounded(number, static_cast<long long>(count));
        std::string text = exponentText(number.negative, shown.digits, shown.power);
        if (!fits(text))
            break;
        fitted = std::move(text);
    }
    return fitted;
}

} // namespace

// Each form is grown one step at a time while it fits, so a text of any
// length costs only as many measures as the room holds characters.
std::string fittedText(std::string_view text, int room, const TextWidth& width) {
    if (width(text) <= room)
        return std::string(text);
    const auto fits = [&](const std::string& shown) { return width(shown) <= room; };
    std::string fitted;
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

    // The blanks around a number are no part of it.
    const std::string_view written = trimBlanks(text);
    if (fits(std::string(written)))
        return std::string(written);
    fitted = cutInFraction(*number, fits);
    if (fitted.empty())
        fitted = roundedToFit(*number, written.size(), fits);
    if (!fitted.empty())
        return fitted;
    // Neither cut nor rounded does it fit: a fill, never another number, and
    // no longer than the text.
    while (fitted.size() < text.size() && fits(fitted + '#'))
        fitted += '#';
    return fitted;
}

} // namespace orbel
