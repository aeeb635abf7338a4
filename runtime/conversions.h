#pragma once

#include "run_time_error.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// Text to number: optional blanks around an optional sign, digits with at most
// one ".", and an optional exponent ("1.5e-3"). Anything else, the empty text
// included, raises Type mismatch; a magnitude beyond the double range raises
// Overflow, and one too small for it gives zero. The decimal point is always
// ".", whatever the process locale says.
double textToNumber(std::string_view text);

// The same reading without the throw, for a caller that raises its own
// error: the number, or the error textToNumber would raise.
struct TextValue {
    double value = 0.0;
    std::optional<ErrorCode> error;
};
TextValue textValue(std::string_view text);

// The quick reading textValue tries first, for the numbers a table is full
// of: a plain decimal ("12.5", "-0.004") with no blanks or exponent, whose
// digits as a whole number are at most 2^53 and whose places are at most 22,
// so that it is that whole number over an exact power of ten. Anything else:
// none, for the full reading.
std::optional<double> plainDecimal(std::string_view text);

// Blanks are what may stand around a number: spaces and tabs. The text
// without the blanks at its ends.
std::string_view trimBlanks(std::string_view text);

// A number as it is written, read but not converted: an optional sign, digits
// with at most one point, an optional exponent, blanks around; nothing when
// the text is no number.
struct WrittenNumber {
    std::string_view mantissa; // "-2.7776", the sign included
    std::string_view exponent; // "E+21", or empty
    bool negative = false;
    std::string digits;  // the significant digits, no leading or trailing zeros; empty for zero
    long long power = 0; // of the first significant digit, saturated far beyond any double
};
std::optional<WrittenNumber> readNumber(std::string_view text);

bool isDigit(char c); // "0" to "9" and nothing else, whatever the locale

// A number given by its significant digits (no leading or trailing zeros,
// empty for zero) and the power of ten of the first, written as this program
// writes every number: plainly ("1277.696", "0.00015", "16"), or with an
// exponent of at least two digits ("1.5E-07", "3E+21"). Zero is "0", unsigned.
std::string plainText(bool negative, std::string_view digits, long long power);
std::string exponentText(bool negative, std::string_view digits, long long power);

// Number to text: at most 15 significant digits, no trailing zeros and no bare
// point ("8.192", "16"); exponent form from 1E+15 up and below 0.0001
// ("1.5E-07"); negative zero shows "0". Locale-independent.
std::string numberToText(double value);

} // namespace orbel
