#include "runtime/conversions.h"
#include "runtime/rounding.h"
#include "runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orbel {
namespace {

struct RoundCase {
    const char* name;
    double value;
    const char* expected; // as the user sees it
};

TEST(RoundToPlaces, ThreePlacesAsShown) {
    const RoundCase cases[] = {
        {"exact tie goes down to even", 0.0625, "0.062"},
        {"exact tie goes up to even", 0.1875, "0.188"},
        {"scaled value exactly one half", 0.0005, "0"},
        {"scaled value exactly three halves", 0.0015, "0.002"},
        {"just above a tie", 0.00050000000000000012, "0.001"},
        {"negative tie to even", -0.0625, "-0.062"},
        {"negative below one half", -0.0004, "0"},
        {"plain value", 7.9360000000000008, "7.936"},
        {"carry into the whole part", 2.9996, "3"},
        {"no fraction left", 4503599627370497.0, "4.5035996273705E+15"},
        {"largest double unchanged", std::numeric_limits<double>::max(), "1.79769313486231E+308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(roundToPlaces(c.value, 3)), c.expected) << c.name;
}

TEST(RoundToPlaces, NeverTurnsAFiniteNumberIntoInfinity) {
    for (double value : {1e300, -1e300, std::numeric_limits<double>::max(), 5e15})
        EXPECT_EQ(roundToPlaces(value, 3), value) << value;
}

TEST(RoundToPlaces, NegativeResultOfZeroShowsAsZero) {
    const double rounded = roundToPlaces(-0.0001, 3);
    EXPECT_EQ(rounded, 0.0);
    EXPECT_EQ(numberToText(rounded), "0");
}

} // namespace
} // namespace orbel
