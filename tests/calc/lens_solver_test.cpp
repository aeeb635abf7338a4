#include "calc/lens_solver.h"
#include "lens_cases.h"
#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace orbel {
namespace {

using testing::fieldsFor;
using testing::flagsFor;
using testing::kWrittenResults;
using testing::Units;

class WrittenResults : public ::testing::TestWithParam<testing::WrittenResult> {};

TEST_P(WrittenResults, ComeOutAsWritten) {
    const auto& c = GetParam();
    LensFields fields = fieldsFor(c);
    const LensOutcome outcome = calculate(fields);
    EXPECT_FALSE(outcome.failure);
    EXPECT_EQ(fields.wdth, c.expectedWdth);
    EXPECT_EQ(fields.dist, c.expectedDist);
    EXPECT_EQ(fields.fmm, c.expectedFmm);
    EXPECT_EQ(fields.fov, c.expectedFov);
    EXPECT_EQ(fields.sensor, "27.776");
}

INSTANTIATE_TEST_SUITE_P(Table, WrittenResults, ::testing::ValuesIn(kWrittenResults),
                         [](const auto& row) {
                             std::string name = row.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

LensFields make(Units units, std::string wdth, std::string dist, std::string fmm,
                std::string sensor = "27.776", std::string fov = "") {
    LensFields fields;
    fields.wdth = std::move(wdth);
    fields.dist = std::move(dist);
    fields.fmm = std::move(fmm);
    fields.sensor = std::move(sensor);
    fields.fov = std::move(fov);
    fields.units = flagsFor(units);
    return fields;
}

TEST(Gate, AllThreeEmptyChangesNothing) {
    for (Units units : {Units::Meters, Units::Feet, Units::Inches}) {
        LensFields fields = make(units, "", "", "", "27.776", "12.5");
        const LensOutcome outcome = calculate(fields);
        EXPECT_TRUE(outcome.written.empty());
        EXPECT_FALSE(outcome.failure);
        EXPECT_EQ(fields.fov, "12.5");
    }
}

TEST(Gate, AllThreeFilledRecomputesOnlyTheFieldOfView) {
    for (Units units : {Units::Meters, Units::Feet}) {
        LensFields fields = make(units, "1", "2", "35", "27.776", "stale");
        calculate(fields);
        EXPECT_EQ(fields.wdth, "1");
        EXPECT_EQ(fields.dist, "2");
        EXPECT_EQ(fields.fmm, "35");
        EXPECT_EQ(fields.fov, "43.2863559301607");
    }
    LensFields inches = make(Units::Inches, "1", "2", "35", "27.776", "stale");
    const LensOutcome outcome = calculate(inches);
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_EQ(inches.fov, "stale");
}

struct FailureCase {
    const char* name;
    LensFields fields;
    Field target;
    std::optional<Field> cause;
    ErrorCode error;
};

TEST(Failures, StopAtTheFailingStepAndWriteNothingThere) {
    // clang-format off
    const FailureCase cases[] = {
        {"two empty fields fail at the conversion", make(Units::Meters, "",    "",    "35"),  Field::Wdth, Field::Dist,   ErrorCode::TypeMismatch},
        {"blanks count as filled, then not a number",make(Units::Meters, "",   "  ",  "35"),  Field::Wdth, Field::Dist,   ErrorCode::TypeMismatch},
        {"letters in the distance",                 make(Units::Feet,   "",    "ten", "35"),  Field::Wdth, Field::Dist,   ErrorCode::TypeMismatch},
        {"sensor is converted first",               make(Units::Meters, "",    "x",   "35", "?"), Field::Wdth, Field::Sensor, ErrorCode::TypeMismatch},
        {"distance is converted before width",      make(Units::Meters, "y",   "x",   ""),    Field::Fmm,  Field::Dist,   ErrorCode::TypeMismatch},
        {"meters zero focal length",                make(Units::Meters, "",    "10",  "0"),   Field::Wdth, Field::Fmm,    ErrorCode::DivisionByZero},
        {"meters zero width",                       make(Units::Meters, "0",   "10",  ""),    Field::Fmm,  Field::Wdth,   ErrorCode::DivisionByZero},
        {"meters zero sensor",                      make(Units::Meters, "5",   "",    "35", "0"), Field::Dist, Field::Sensor, ErrorCode::DivisionByZero},
        {"feet zero focal length",                  make(Units::Feet,   "",    "10",  "0"),   Field::Wdth, Field::Fmm,    ErrorCode::DivisionByZero},
        {"feet zero width",                         make(Units::Feet,   "0",   "10",  ""),    Field::Fmm,  Field::Wdth,   ErrorCode::DivisionByZero},
        {"feet zero sensor",                        make(Units::Feet,   "5",   "",    "35", "0"), Field::Dist, Field::Sensor, ErrorCode::DivisionByZero},
        {"inch zero focal length",                  make(Units::Inches, "",    "10",  "0"),   Field::Wdth, Field::Fmm,    ErrorCode::DivisionByZero},
        {"inch zero width",                         make(Units::Inches, "0",   "10",  ""),    Field::Fmm,  Field::Wdth,   ErrorCode::DivisionByZero},
        {"inch zero sensor",                        make(Units::Inches, "5",   "",    "35", "-0"),Field::Dist, Field::Sensor, ErrorCode::DivisionByZero},
        {"zero focal length in the field of view",  make(Units::Meters, "1",   "2",   "0"),   Field::FOV,  Field::Fmm,    ErrorCode::DivisionByZero},
        {"product overflows",                       make(Units::Meters, "",    "1e300","1e-300"), Field::Wdth, std::nullopt, ErrorCode::Overflow},
        {"inch result times twelve overflows",      make(Units::Inches, "",    "1.79e308","10"), Field::Wdth, std::nullopt, ErrorCode::Overflow},
        {"typed number beyond the double range",    make(Units::Meters, "",    "1e400","35"), Field::Wdth, Field::Dist,   ErrorCode::Overflow},
        {"focal length doubled overflows",          make(Units::Feet,   "1",   "2",   "1.7e308"), Field::FOV, std::nullopt, ErrorCode::Overflow},
        {"feet focal length too small to convert is no zero",  make(Units::Feet,   "",  "142", "2.5e-323"), Field::Wdth, std::nullopt, ErrorCode::Overflow},
        {"inch sensor too small to convert is no zero",        make(Units::Inches, "5", "",    "35", "1e-322"), Field::Dist, std::nullopt, ErrorCode::Overflow},
    };
    // clang-format on
    for (const auto& c : cases) {
        LensFields fields = c.fields;
        const LensOutcome outcome = calculate(fields);
        ASSERT_TRUE(outcome.failure) << c.name;
        EXPECT_EQ(outcome.failure->target, c.target) << c.name;
        EXPECT_EQ(outcome.failure->cause, c.cause) << c.name;
        EXPECT_EQ(outcome.failure->error, c.error) << c.name;
        EXPECT_EQ(fields.text(c.target), c.fields.text(c.target)) << c.name;
        EXPECT_FALSE(outcome.written.contains(c.target)) << c.name;
        EXPECT_EQ(fields.fov, c.fields.fov) << c.name << ": FOV must not change";
    }
}

TEST(Failures, WhatAnEarlierStepWroteStays) {
    // The focal length step writes "0" (a result below 0.0005), then the field
    // of view divides by that zero: the written focal length stays.
    LensFields fields = make(Units::Meters, "5", "10", "", "1e-300");
    const LensOutcome outcome = calculate(fields);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->target, Field::FOV);
    EXPECT_EQ(outcome.failure->cause, Field::Fmm);
    EXPECT_EQ(fields.fmm, "0");
    EXPECT_TRUE(outcome.written.contains(Field::Fmm));
    EXPECT_EQ(fields.fov, "");
}

TEST(Results, NegativeValuesHaveNoRangeLimit) {
    LensFields width = make(Units::Meters, "", "-10", "35");
    calculate(width);
    EXPECT_EQ(width.wdth, "-7.936");

    LensFields fov = make(Units::Meters, "1", "2", "-35");
    calculate(fov);
    EXPECT_EQ(fov.fov, "-43.2863559301607");
}

TEST(Results, InchResultsAreMultiplesOfTwelveThousandths) {
    for (int distance = 1; distance <= 400; distance += 7) {
        LensFields fields = make(Units::Inches, "", std::to_string(distance), "50");
        calculate(fields);
        const double thousandthsOfAFoot = textToNumber(fields.wdth) / 0.012;
        EXPECT_NEAR(thousandthsOfAFoot, std::round(thousandthsOfAFoot), 1e-6) << fields.wdth;
    }
}

TEST(Results, FieldOfViewUsesTheRoundedFocalLength) {
    // 5 m wide at 10 m: the focal length is 55.552 exactly as written, and the
    // field of view is that of 55.552 mm, not of the unrounded 55.552.
    LensFields computed = make(Units::Meters, "5", "10", "");
    calculate(computed);
    LensFields typed = make(Units::Meters, "5", "10", "55.552");
    calculate(typed);
    EXPECT_EQ(computed.fov, typed.fov);
}

} // namespace
} // namespace orbel
