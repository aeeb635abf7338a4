#include "calc/failure_text.h"
#include "calc/lens_fields.h"
#include "calc/lens_solver.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <tuple>

namespace orbel {
namespace {

constexpr Units M = Units::Meters, I = Units::Inches, F = Units::Feet;

// The texts of width, distance, focal length, sensor width (empty: the start camera's 27.776) and
// field of view before Calculate and after it (empty: as before); a failure leaves its
// field as it was and says why in one message. A row: what it checks, units,
// before, after, message.
using Row = std::tuple<const char*, Units, const char*, const char*, const char*>;

const Row kRows[] = {
    {"meters width", M, "|10|35||", "7.936|10|35||43.2863559301607", ""},
    {"meters distance", M, "5||35||", "5|6.3|35||43.2863559301607", ""},
    {"feet width", F, "|30|35||", "23.808|30|35||43.2863559301607", ""},
    {"feet focal", F, "5|10|||", "5|10|55.552||28.072486935853", ""},
    {"feet distance", F, "5||35||", "5|6.3|35||43.2863559301607", ""},
    {"inches: FOV emptied", I, "|120|50||o", "66.66|120|50||", ""},
    {"inches distance", I, "60||50||", "60|108.012|50||", ""},
    {"inches focal", I, "60|120|||", "60|120|55.552||", ""},
    {"nothing typed: FOV kept", M, "||||12.5", "", ""},
    {"one typed", M, "||35||", "",
     "Please type two of Object Width, Object Distance and Lens f, and leave the third one empty."},
    {"blank distance", M, "| \t |35||", "",
     "Cannot calculate Object Width: Object Distance holds only spaces. Empty it or type a "
     "number."},
    {"decimal comma", I, "1,5||35||", "",
     "Cannot calculate Object Distance: Object Width is not a number: write the decimal point "
     "(1.5), not a comma."},
    {"not a number", F, "|1,5,5|35||", "",
     "Cannot calculate Object Width: Object Distance is not a number."},
    {"zero sensor", M, "5||35|0|", "",
     "Cannot calculate Object Distance: the sensor width of the selected camera is zero."},
    {"zero focal", F, "|10|0||", "", "Cannot calculate Object Width: Lens f is zero."},
    {"focal rounds to zero", M, "5|10||1e-300|o", "5|10|0|1e-300|",
     "Cannot calculate the field of view: Lens f is zero."},
    {"distance too large", M, "|1e400|35||", "",
     "Cannot calculate Object Width: Object Distance is too large a number."},
    {"FOV too large", F, "1|2|1.7e308||", "",
     "Cannot calculate the field of view: the result is too large."},
    {"width too large", F, "|142|2.5e-323||", "",
     "Cannot calculate Object Width: the result is too large."},
};

LensFields record(const char* texts, Units units) {
    LensFields fields;
    fields.units = units;
    std::istringstream in(texts);
    for (const FieldRow& field : kFields)
        std::getline(in, fields.*field.text, '|');
    fields.sensorWidth = fields.sensorWidth.empty() ? "27.776" : fields.sensorWidth;
    return fields;
}

// Under a German locale, whose decimal separator is ",": nothing computed or
// shown may follow it.
TEST(Calculate, EveryUnitSystemEveryFailureInAnyLocale) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8") ||
                std::setlocale(LC_ALL, "German_Germany.1252"))
        << "no German locale: run scripts/install-deps";
    for (const auto& [name, units, typed, shown, message] : kRows) {
        LensFields fields = record(typed, units);
        const LensFields given = fields, expected = *shown ? record(shown, units) : given;
        const LensOutcome outcome = calculate(fields);
        for (const FieldRow& field : kFields)
            EXPECT_EQ(fields.*field.text, expected.*field.text) << name;
        EXPECT_EQ(outcome.failure ? failureText(*outcome.failure, fields) : "", message) << name;
    }
}

} // namespace
} // namespace orbel
