#pragma once

#include <optional>
#include <string_view>

// The two text forms of a number, stated a second time and in a different
// way from the conversions themselves, so that the fuzz targets can hold the
// conversions against them. Plain loops, no regular expressions: a megabyte of
// digits must not run the checker out of stack.
namespace orbel::fuzz {

// What a typed number may look like: blanks (space, tab) around an optional
// sign, digits with at most one point and at least one digit, then an
// optional exponent "e"/"E" with an optional sign and at least one digit.
bool isPlainDecimal(std::string_view text);

// The power of ten of the leading non-zero digit of a plain decimal number
// ("0.05e3" gives 1, "950" gives 2), clamped to +-100000 so that an exponent
// of any length stays a small number; nothing for a number whose digits are
// all zero or a text that is not a plain decimal number.
std::optional<long> leadingPowerOfTen(std::string_view text);

// What a number as shown may look like: "0", or an optional "-" then either
// the fixed form (no leading zero but the one before a point, a fraction
// without trailing zeros, 1E-04 <= magnitude < 1E+15) or the exponent form
// "d.dddE+XX" (a non-zero first digit, a fraction without trailing zeros, a
// signed exponent of two or three digits, used below 1E-04 and from 1E+15),
// never more than 15 significant digits.
bool isShownNumber(std::string_view text);

} // namespace orbel::fuzz
