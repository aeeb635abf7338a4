#pragma once

#include <string>
#include <string_view>

namespace orbel {

// Text to number: optional blanks around an optional sign, digits with at most
// one ".", and an optional exponent ("1.5e-3"). Anything else, the empty text
// included, raises Type mismatch; a magnitude beyond the double range raises
// Overflow, and one too small for it gives zero. The decimal point is always
// ".", whatever the process locale says.
double textToNumber(std::string_view text);

// Blanks are what may stand around a number: spaces and tabs. The text
// without the blanks at its ends.
std::string_view trimBlanks(std::string_view text);

// Number to text: at most 15 significant digits, no trailing zeros and no bare
// point ("8.192", "16"); exponent form from 1E+15 up and below 0.0001
// ("1.5E-07"); negative zero shows "0". Locale-independent.
std::string numberToText(double value);

} // namespace orbel
