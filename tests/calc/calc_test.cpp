#include "calc/failure_text.h"
#include "calc/lens_solver.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <tuple>

namespace orbel {
namespace {

constexpr UnitFlags M{true, false, false}, I{false, true, false}, F{false, false, true};
const char* const kTypeTwo =
    "Please type two of Object Width, Object Distance and Lens f, and leave the third one empty.";

// The texts of Wdth, Dist, Fmm, Sensor and FOV before Calculate and after it;
// a failure leaves its field as it was and says why in one message.
using Row =
    std::tuple<UnitFlags, const char*, const char*, const char*>; // units, before, after, message

// clang-format off
const Row kRows[] = {
    {M, "|10|35|27.776|",           "7.936|10|35|27.776|43.2863559301607",        ""},
    {M, "5|10||27.776|",            "5|10|55.552|27.776|28.072486935853",         ""},
    {M, "5||35|27.776|",            "5|6.3|35|27.776|43.2863559301607",           ""},
    {M, "0.25|11.5||27.776|",       "0.25|11.5|1277.696|27.776|1.24551137441264", ""},
    {M, "|-10|35|27.776|",          "-7.936|-10|35|27.776|43.2863559301607",      ""},
    {M, "1|2|-35|27.776|stale",     "1|2|-35|27.776|-43.2863559301607",           ""},
    {F, "|30|35|27.776|",           "23.808|30|35|27.776|43.2863559301607",       ""},
    {F, "15||25|27.776|",           "15|13.501|25|27.776|58.1060947201215",       ""},
    {F, "5|10||27.776|",            "5|10|55.552|27.776|28.072486935853",         ""},
    {F, "1|2|35|27.776|stale",      "1|2|35|27.776|43.2863559301607",             ""},
    {I, "|120|50|27.776|old",       "66.66|120|50|27.776|old",                    ""},
    {I, "60||50|27.776|old",        "60|108.012|50|27.776|old",                   ""},
    {I, "60|120||27.776|old",       "60|120|55.552|27.776|old",                   ""},
    {I, "1|2|35|27.776|stale",      "1|2|35|27.776|stale",                        ""},
    {M, "|||27.776|12.5",           "|||27.776|12.5",                             ""},
    {M, "||35|27.776|old",          "||35|27.776|old",                            kTypeTwo},
    {M, "| \t |35|27.776|old",      "| \t |35|27.776|old",                          "Cannot calculate Object Width: Object Distance holds only spaces. Empty it or type a number."},
    {I, "1,5||35|27.776|old",       "1,5||35|27.776|old",                         "Cannot calculate Object Distance: Object Width is not a number: write the decimal point (1.5), not a comma."},
    {F, "|ten|35|27.776|old",       "|ten|35|27.776|old",                         "Cannot calculate Object Width: Object Distance is not a number."},
    {M, "|x|35|?|old",              "|x|35|?|old",                                "Cannot calculate Object Width: the sensor width of the selected camera is not a number."},
    {M, "y|x||27.776|old",          "y|x||27.776|old",                            "Cannot calculate Lens f: Object Distance is not a number."},
    {M, "|10|0|27.776|old",         "|10|0|27.776|old",                           "Cannot calculate Object Width: Lens f is zero."},
    {M, "0|10||27.776|old",         "0|10||27.776|old",                           "Cannot calculate Lens f: Object Width is zero."},
    {M, "5||35|0|old",              "5||35|0|old",                                "Cannot calculate Object Distance: the sensor width of the selected camera is zero."},
    {F, "|10|0|27.776|old",         "|10|0|27.776|old",                           "Cannot calculate Object Width: Lens f is zero."},
    {I, "5||35|-0|old",             "5||35|-0|old",                               "Cannot calculate Object Distance: the sensor width of the selected camera is zero."},
    {M, "1|2|0|27.776|old",         "1|2|0|27.776|old",                           "Cannot calculate the field of view: Lens f is zero."},
    {M, "5|10||1e-300|old",         "5|10|0|1e-300|old",                          "Cannot calculate the field of view: Lens f is zero."},
    {M, "|1e300|1e-300|27.776|old", "|1e300|1e-300|27.776|old",                   "Cannot calculate Object Width: the result is too large."},
    {M, "|1e400|35|27.776|old",     "|1e400|35|27.776|old",                       "Cannot calculate Object Width: Object Distance is too large a number."},
    {I, "|1.79e308|10|27.776|old",  "|1.79e308|10|27.776|old",                    "Cannot calculate Object Width: the result is too large."},
    {F, "1|2|1.7e308|27.776|old",   "1|2|1.7e308|27.776|old",                     "Cannot calculate the field of view: the result is too large."},
    {F, "|142|2.5e-323|27.776|old", "|142|2.5e-323|27.776|old",                   "Cannot calculate Object Width: the result is too large."},
    {I, "5||35|1e-322|old",         "5||35|1e-322|old",                           "Cannot calculate Object Distance: the result is too large."},
};
// clang-format on

void calculateEveryRow(const std::string& locale) {
    for (const auto& [units, typed, shown, message] : kRows) {
        LensFields fields;
        fields.units = units;
        std::istringstream before(typed);
        for (const FieldRow& field : kFields)
            std::getline(before, fields.*field.text, '|');
        const LensFields given = fields;
        const LensOutcome outcome = calculate(fields);
        std::string after;
        for (const FieldRow& field : kFields) {
            after.append("|").append(fields.*field.text);
            EXPECT_EQ(outcome.written.contains(field.field),
                      fields.*field.text != given.*field.text)
                << typed;
        }
        EXPECT_EQ(after.substr(1), shown) << locale << ": " << typed;
        EXPECT_EQ(outcome.failure ? failureText(*outcome.failure, fields) : "", message) << typed;
    }
}

// The same under a German locale: a German desktop's decimal separator is
// ",", and nothing computed or shown may follow it.
TEST(Calculate, EveryUnitSystemEveryFailureInAnyLocale) {
    calculateEveryRow("C");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8")
                             ? "de_DE.UTF-8"
                             : std::setlocale(LC_ALL, "German_Germany.1252");
    ASSERT_NE(german, nullptr) << "no German locale: run scripts/install-deps";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    calculateEveryRow(german);
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
} // namespace orbel
