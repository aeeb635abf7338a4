#include "runtime/conversions.h"
#include "runtime/fitted_text.h"
#include "runtime/rounding.h"
#include "runtime/run_time_error.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace orbel::testing {
namespace {

using namespace std::literals;

constexpr ErrorCode kNaN = ErrorCode::TypeMismatch, kBig = ErrorCode::Overflow;

// Numbers read as themselves, a view's ending where the view ends; a
// magnitude beyond the double range is an overflow, anything that is not a
// plain decimal a type mismatch.
TEST(Conversions, TextToNumberTakesPlainDecimalsOnly) {
    for (auto [name, text, value] :
         {std::tuple{"view of a digit", "59"sv.substr(0, 1), 5.0},
          {"blanks around", " 5\t", 5.0},
          {"plus sign", "+2.5", 2.5},
          {"no leading zero", ".5", 0.5},
          {"view ends at the point", "5.5"sv.substr(0, 2), 5.0},
          {"view ends in the exponent", "1.5e-39"sv.substr(0, 6), 0.0015},
          {"below the range is 0", "0.000001e-320", 0.0},
          {"17 digits", "1294265477848373.7", 0x1.26482a83574d7p+50}})
        EXPECT_EQ(textToNumber(text), value) << name;
    const std::tuple<const char*, std::string, ErrorCode> faults[] = {
        {"huge exponent", "1e99999999999999999999", kBig},
        {"empty", "", kNaN},
        {"decimal comma", "1,5", kNaN},
        {"line break", "\n5", kNaN},
        {"a million digits", std::string(1'000'000, '9'), kBig}};
    for (const auto& [name, text, error] : faults)
        EXPECT_EQ(raised([&] { textToNumber(text); }), error) << name;
    // the quick reading: what a table is full of, up to 2^53 and 22 places;
    // the rest goes to the full one
    for (auto [text, taken] : {std::pair{"+.5", true},
                               {"-9007199254740992", true},
                               {"9007199254740993", false},
                               {"0.0000000000000000000001", true},
                               {".", false}})
        EXPECT_EQ(plainDecimal(text).has_value(), taken) << text;
}

// At most 15 significant digits, read back as the very same text; the largest
// doubles are cut, not rounded up past the range.
TEST(Conversions, NumberToTextShowsFifteenDigitsAndReadsBack) {
    for (auto [name, value, text] :
         {std::tuple{"minus zero", -0.0, "0"},
          {"fifteen nines", 999999999999999.0, "999999999999999"},
          {"rounds up to an exponent", 999999999999999.9, "1E+15"},
          {"small, plain", 0.00025, "0.00025"},
          {"smaller, exponent", -2.5e-5, "-2.5E-05"},
          {"two-digit exponent", 1.5e-10, "1.5E-10"},
          {"lowest bits up", 1.134567890123446789e-4, "0.000113456789012345"},
          {"shift 65", 0.00015, "0.00015"},
          {"just above a power", 0.001005, "0.001005"},
          {"tie to even", 100000000000002.5, "100000000000002"},
          {"tie, lowest bits", 0x35p-19, "0.000101089477539062"},
          {"three quarters up", 100000000000000.75, "100000000000001"},
          {"largest cut", 1.797693134862315e308, "1.79769313486231E+308"},
          {"smallest", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}}) {
        EXPECT_EQ(numberToText(value), text) << name;
        EXPECT_EQ(numberToText(textToNumber(text)), text) << name << " read back";
    }
    EXPECT_EQ(raised([] { numberToText(HUGE_VAL); }), kBig);
}

TEST(Rounding, ThreePlacesTiesToEvenAndNothingTurnsInfinite) {
    for (auto [name, value, text] :
         {std::tuple{"tie down to even", 0.0025, "0.002"},
          {"tie up to even", 0.0035, "0.004"},
          {"carries to a whole", 2.9996, "3"},
          {"largest stays finite", std::numeric_limits<double>::max(), "1.79769313486231E+308"}})
        EXPECT_EQ(numberToText(roundToPlaces(value, 3)), text) << name;
    for (auto [places, refused] : {std::pair{-1, true}, {0, false}, {22, false}, {23, true}})
        EXPECT_EQ(raised([&] { roundToPlaces(1, places); }).has_value(), refused) << places;
}

// Measured a unit a character, the mark one too: the room is the characters
// shown. A number is cut only inside its fraction, else rounded as a
// spreadsheet rounds, never cut inside its integer part.
TEST(FittedText, WholeElseCutInTheFractionElseRoundedElseFill) {
    const TextWidth characters = [](std::string_view text) {
        return static_cast<int>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    };
    for (auto [name, text, room, shown] :
         {std::tuple{"whole, blanks trimmed", " 2.5E+123 ", 8, "2.5E+123"},
          {"cut in the fraction", "1277.696", 7, "1277.6…"},
          {"negative cut", "-0.00012345", 8, "-0.0001…"},
          {"cut before the exponent", "2.7776E+21", 9, "2.77…E+21"},
          {"sign dropped, rounded", "+1277.696", 4, "1278"},
          {"rounded up a digit", "999.96", 4, "1000"},
          {"rounded in the fraction", "0.00123", 5, "0.001"},
          {"small turns exponent", "0.00012", 5, "1E-04"},
          {"large turns exponent", "12900000", 7, "1.3E+07"},
          {"exponent rounds up", "9.99E+21", 5, "1E+22"},
          {"fill", "1E-9999999999", 6, "######"},
          {"minus zero", "-0.000", 1, "0"},
          {"rounded to a whole", "0.6", 1, "1"},
          {"zeros dropped", "1.50000", 4, "1.5"},
          {"letters cut", "Größe", 4, "Grö…"}})
        EXPECT_EQ(fittedText(text, room, characters), shown) << name;
}

} // namespace
} // namespace orbel::testing
