#include "bench/startup/startup_summary.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace orbel {
namespace {

struct MedianCase {
    const char* name;
    std::vector<double> values;
    double expected;
};

// clang-format off
const MedianCase kMedianCases[] = {
    {"one value is its own median",            {70.5},                    70.5},
    {"odd count takes the middle, unsorted",   {90, 60, 75},              75},
    {"even count takes the mean of the middle", {80, 60, 100, 70},        75},
    {"one slow outlier moves it not at all",   {60, 61, 62, 63, 5000},    62},
    {"ties stay put",                          {64, 64, 64, 64},          64},
};
// clang-format on

TEST(Median, OfTheRuns) {
    for (const MedianCase& c : kMedianCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(median(c.values), c.expected);
    }
}

TEST(Median, OfNothingIsAnError) {
    EXPECT_THROW(median({}), std::invalid_argument);
}

TEST(Figures, TakeTimesAndMemoryFromTheSameRuns) {
    const std::vector<StartupRun> runs = {{120, 30000}, {80, 28000}, {100, 29000}};
    const StartupFigures figures = figuresOf(runs);
    EXPECT_EQ(figures.medianMilliseconds, 100);
    EXPECT_EQ(figures.fastestMilliseconds, 80);
    EXPECT_EQ(figures.slowestMilliseconds, 120);
    EXPECT_EQ(figures.medianPeakKiB, 29000);
}

struct TargetCase {
    const char* name;
    double programMs;
    long programKiB;
    double floorMs;
    long floorKiB;
    bool expectedWithin;
};

// clang-format off
const TargetCase kTargetCases[] = {
    {"same as the floor holds",             100, 25000, 100, 25000, true},
    {"start-up exactly at its target holds", 115, 25000, 100, 25000, true},
    {"memory exactly at its target holds",  100, 27500, 100, 25000, true},
    {"start-up just above fails",           116, 25000, 100, 25000, false},
    {"memory just above fails",             100, 27600, 100, 25000, false},
    {"faster and smaller than the floor holds", 90, 24000, 100, 25000, true},
    {"a slow floor does not excuse memory", 100, 30000, 200, 25000, false},
};
// clang-format on

TEST(Comparison, AgainstTheTargets) {
    for (const TargetCase& c : kTargetCases) {
        SCOPED_TRACE(c.name);
        const StartupComparison comparison =
            compare({{c.programMs, c.programKiB}}, {{c.floorMs, c.floorKiB}});
        EXPECT_EQ(comparison.withinTargets(), c.expectedWithin);
    }
}

TEST(Report, SaysWhichRatioIsAboveItsTarget) {
    const StartupComparison slow = compare({{130, 25000}}, {{100, 25000}});
    const std::string text = report(slow, 1);
    EXPECT_NE(text.find("start-up program/floor 1.300, ABOVE"), std::string::npos) << text;
    EXPECT_NE(text.find("memory   program/floor 1.000, within"), std::string::npos) << text;
}

} // namespace
} // namespace orbel
