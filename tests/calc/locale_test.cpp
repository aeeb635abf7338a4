#include "calc/lens_solver.h"
#include "lens_cases.h"
#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace orbel {
namespace {

// The window toolkit sets the C locale from the environment at start-up; a
// German desktop uses "," as its decimal separator. Nothing we show may follow.
class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        // The German locale by its Linux name, then by its Windows names.
        const char* german = nullptr;
        for (const char* name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"})
            if (!german && std::setlocale(LC_ALL, name))
                german = name;
        ASSERT_NE(german, nullptr) << "no German locale: run scripts/install-deps";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(GermanLocale, WrittenResultsAreUnchanged) {
    for (const auto& c : testing::kWrittenResults) {
        LensFields fields = testing::fieldsFor(c);
        calculate(fields);
        EXPECT_EQ(fields.wdth, c.expectedWdth) << c.name;
        EXPECT_EQ(fields.dist, c.expectedDist) << c.name;
        EXPECT_EQ(fields.fmm, c.expectedFmm) << c.name;
        EXPECT_EQ(fields.fov, c.expectedFov) << c.name;
    }
}

TEST_F(GermanLocale, ConversionsKeepThePoint) {
    EXPECT_EQ(textToNumber("27.776"), 27.776);
    EXPECT_THROW(textToNumber("27,776"), RunTimeError);
    EXPECT_EQ(numberToText(1.5e-7), "1.5E-07");
    EXPECT_EQ(numberToText(8.192), "8.192");
}

} // namespace
} // namespace orbel
