#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace orbel {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
};

TEST(TextToNumber, AcceptsPlainDecimalForms) {
    const ParseCase cases[] = {
        {"whole number", "35", 35.0},
        {"decimal", "27.776", 27.776},
        {"blanks around", "  5  ", 5.0},
        {"tab around", "\t5\t", 5.0},
        {"plus sign", "+2.5", 2.5},
        {"minus sign", "-10", -10.0},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5.0},
        {"exponent", "1.5e-3", 0.0015},
        {"capital exponent with sign", "2E+2", 200.0},
        {"leading zeros", "007.25", 7.25},
        {"below the double range is zero", "1e-400", 0.0},
        {"many zeros before a tiny exponent", "0.000001e-320", 0.0},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textToNumber(c.text), c.expected) << c.name << ": \"" << c.text << "\"";
}

std::optional<ErrorCode> parseError(const std::string& text) {
    try {
        textToNumber(text);
    } catch (const RunTimeError& error) {
        return error.code();
    }
    return std::nullopt;
}

TEST(TextToNumber, RefusesWhatIsNotANumber) {
    const char* const refused[] = {
        "",   " ",  "\t",   "inf", "-inf", "nan", "infinity", "0x10", "1,5",  "5m",  "5 5",
        ".",  "+",  "-",    "e5",  "5e",   "5e+", "1.2.3",    "--5",  "+-5",  "5-",  "1e5.5",
        "１", "−5", "0b10", "5\n", "\n5",  "1_0", "1'000",    "٣",    "5 .0", "5. 0"};
    for (const char* text : refused)
        EXPECT_EQ(parseError(text), ErrorCode::TypeMismatch) << '"' << text << '"';
}

TEST(TextToNumber, BeyondTheDoubleRangeIsOverflow) {
    for (const char* text : {"1e400", "-1e400", "1.8e308", "1e99999999999999999999999"})
        EXPECT_EQ(parseError(text), ErrorCode::Overflow) << text;
    EXPECT_EQ(parseError(std::string(1'000'000, '9')), ErrorCode::Overflow);
}

struct RenderCase {
    const char* name;
    double value;
    const char* expected;
};

TEST(NumberToText, FifteenSignificantDigitsWithoutTrailingZeros) {
    const RenderCase cases[] = {
        {"three places", 8.192, "8.192"},
        {"whole number has no point", 16.0, "16"},
        {"fifteen digits", 43.28635593016068, "43.2863559301607"},
        {"representation error hidden", 12 * 0.1, "1.2"},
        {"product just below 7.04", 0.011 * 640, "7.04"},
        {"negative", -7.936, "-7.936"},
        {"negative zero", -0.0, "0"},
        {"zero", 0.0, "0"},
        {"fraction below one", 0.5, "0.5"},
        {"smallest fixed form", 0.0001, "0.0001"},
        {"largest fixed form", 999999999999999.0, "999999999999999"},
        {"rounds up into the exponent form", 999999999999999.9, "1E+15"},
        {"exponent form above", 1e15, "1E+15"},
        {"exponent form below", 1.5e-7, "1.5E-07"},
        {"exponent just below the fixed form", 0.00001, "1E-05"},
        {"three-digit exponent", 1e300, "1E+300"},
        {"negative exponent form", -2.5e-10, "-2.5E-10"},
        {"largest double is cut, so it reads back", std::numeric_limits<double>::max(),
         "1.79769313486231E+308"},
        {"below the cut", 1.79769313486231e308, "1.79769313486231E+308"},
        {"negative largest", -std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {"carry in the fraction", 0.99999999999999999, "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.expected) << c.name;
}

TEST(NumberToText, TheLargestNumbersReadBackAsTheSameText) {
    for (double value : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                         1.797693134862315e308, 1.79769313486231e308})
        EXPECT_EQ(numberToText(textToNumber(numberToText(value))), numberToText(value)) << value;
}

TEST(NumberToText, NeverShowsInfinityOrNaN) {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(numberToText(value), RunTimeError);
}

} // namespace
} // namespace orbel
