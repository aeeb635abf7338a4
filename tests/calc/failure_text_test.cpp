#include "calc/failure_text.h"
#include "calc/lens_solver.h"

#include <gtest/gtest.h>

namespace orbel {
namespace {

struct MessageCase {
    const char* name;
    LensFields fields;
    const char* expected;
};

LensFields make(std::string wdth, std::string dist, std::string fmm,
                std::string sensor = "27.776") {
    LensFields fields;
    fields.wdth = std::move(wdth);
    fields.dist = std::move(dist);
    fields.fmm = std::move(fmm);
    fields.sensor = std::move(sensor);
    return fields;
}

TEST(FailureText, SaysWhatWentWrongInPlainWords) {
    // clang-format off
    const MessageCase cases[] = {
        {"one value only",       make("", "", "35"),
         "Please type two of Object Width, Object Distance and Lens f, and leave the third one empty."},
        {"not a number",         make("", "ten", "35"),     "Cannot calculate Object Width: Object Distance is not a number."},
        {"blanks only",          make("5", "", " "),        "Cannot calculate Object Distance: Lens f holds only spaces. Empty it or type a number."},
        {"zero focal length",    make("", "10", "0"),       "Cannot calculate Object Width: Lens f is zero."},
        {"zero width",           make("0", "10", ""),       "Cannot calculate Lens f: Object Width is zero."},
        {"zero sensor width",    make("5", "", "35", "0"),  "Cannot calculate Object Distance: the sensor width of the selected camera is zero."},
        {"zero in field of view",make("1", "2", "0"),       "Cannot calculate the field of view: Lens f is zero."},
        {"typed number too big", make("", "1e400", "35"),   "Cannot calculate Object Width: Object Distance is too large a number."},
        {"result too big",       make("", "1e300", "1e-300"), "Cannot calculate Object Width: the result is too large."},
    };
    // clang-format on
    for (const auto& c : cases) {
        LensFields fields = c.fields;
        const LensOutcome outcome = calculate(fields);
        ASSERT_TRUE(outcome.failure) << c.name;
        EXPECT_EQ(failureText(*outcome.failure, fields), c.expected) << c.name;
    }
}

} // namespace
} // namespace orbel
