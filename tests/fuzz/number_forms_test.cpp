#include "fuzz/number_forms.h"
#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace orbel::fuzz {
namespace {

struct FormCase {
    const char* name;
    std::string text;
    bool expected;
};

TEST(PlainDecimal, TakesWhatAUserMayTypeAsANumber) {
    const FormCase cases[] = {
        {"whole number", "35", true},
        {"blanks before", "  5", true},
        {"blanks after", "5  ", true},
        {"tabs, sign and exponent", "\t-2.5e+3\t", true},
        {"leading point", ".5", true},
        {"trailing point", "5.", true},
        {"capital exponent", "1E-7", true},
        {"empty", "", false},
        {"blank", "   ", false},
        {"point alone", ".", false},
        {"sign alone", "+", false},
        {"signed point", "-.", false},
        {"exponent without digits", "1e", false},
        {"exponent sign without digits", "1e+", false},
        {"exponent without mantissa", "e5", false},
        {"two points", "1.2.3", false},
        {"blank inside", "1 2", false},
        {"two signs", "--5", false},
        {"fraction in the exponent", "5e5.5", false},
        {"hexadecimal", "0x10", false},
        {"comma", "1,5", false},
        {"infinity", "inf", false},
        {"not a number", "nan", false},
        {"line feed is not a blank", "\n5", false},
        {"NUL after the digit", std::string("5\0", 2), false},
        {"Unicode minus",
         "\xE2\x88\x92"
         "5",
         false},
        {"full-width digit", "\xEF\xBC\x95", false},
        {"Arabic-Indic digit", "\xD9\xA5", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPlainDecimal(c.text), c.expected) << c.name;
}

TEST(PlainDecimal, LeadingPowerOfTenIsWhereTheFirstDigitStands) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<long> expected;
    };
    const Case cases[] = {
        {"hundreds", "950", 2},
        {"hundredths", "0.05", -2},
        {"exponent moves it", "0.05e3", 1},
        {"leading point", ".5", -1},
        {"trailing point", "5.", 0},
        {"leading zeros do not count", "007.25", 0},
        {"beyond the double range", "1e400", 400},
        {"signed and tiny", " -1e-999 ", -999},
        {"a megabyte of digits is clamped", "1" + std::string(1'000'000, '0'), 100000},
        {"an exponent of any length is clamped", "1e99999999999999999999", 100000},
        {"zero has none", "0", std::nullopt},
        {"zeros with an exponent have none", "0.000e5", std::nullopt},
        {"not a number has none", "abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingPowerOfTen(c.text), c.expected) << c.name;
}

TEST(ShownNumber, TakesOnlyTheFormNumbersAreShownIn) {
    const FormCase cases[] = {
        {"zero", "0", true},
        {"decimal", "8.192", true},
        {"whole number", "16", true},
        {"negative exponent form", "-2.5E-10", true},
        {"first exponent form below", "1E-05", true},
        {"last fixed form below", "0.0001", true},
        {"first exponent form above", "1E+15", true},
        {"last fixed form above", "999999999999999", true},
        {"fifteen digits after the zero", "0.123456789012345", true},
        {"smallest double", "4.94065645841247E-324", true},
        {"largest double as shown", "1.79769313486231E+308", true},
        {"negative zero", "-0", false},
        {"two zeros", "00", false},
        {"leading zero", "016", false},
        {"trailing zero", "1.50", false},
        {"bare point", "1.", false},
        {"no zero before the point", ".5", false},
        {"fixed form below 0.0001", "0.00001", false},
        {"fixed form from 1E+15", "1000000000000000", false},
        {"exponent form below 1E+15", "1E+14", false},
        {"exponent form at 0.0001", "1E-04", false},
        {"exponent without sign", "1E15", false},
        {"one-digit exponent", "1E+5", false},
        {"padded three-digit exponent", "1E+020", false},
        {"trailing zero in the exponent form", "1.0E+20", false},
        {"small letter e", "1e+20", false},
        {"sixteen significant digits", "1.234567890123456", false},
        {"sixteen digits after the zero", "0.1234567890123456", false},
        {"past the largest double", "1E+309", false},
        {"past the smallest double", "1E-325", false},
        {"infinity", "inf", false},
        {"not a number", "nan", false},
        {"empty", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isShownNumber(c.text), c.expected) << c.name;
}

// The boundaries where the shown form changes or the 15th digit carries: every
// power of ten of the double range and its two neighbours, both signs.
std::vector<double> boundaryValues() {
    std::vector<double> values = {std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::denorm_min(),
                                  0.99999999999999999,
                                  9.999999999999995e14,
                                  12 * 0.1};
    for (int power = -324; power <= 308; ++power) {
        const double value = std::pow(10.0, power);
        for (double v : {value, std::nextafter(value, 0.0), std::nextafter(value, 2 * value)})
            if (std::isfinite(v) && v != 0.0)
                values.push_back(v);
    }
    const std::size_t positive = values.size();
    for (std::size_t i = 0; i < positive; ++i)
        values.push_back(-values[i]);
    return values;
}

TEST(ShownNumber, EveryBoundaryValueIsShownInTheFormAndReadsBack) {
    for (double value : boundaryValues()) {
        const std::string text = numberToText(value);
        EXPECT_TRUE(isShownNumber(text)) << value << " shows " << text;
        EXPECT_EQ(numberToText(textToNumber(text)), text) << value;
    }
}

} // namespace
} // namespace orbel::fuzz
