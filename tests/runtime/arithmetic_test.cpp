#include "runtime/arithmetic.h"
#include "runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

namespace orbel {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

struct FaultCase {
    const char* name;
    std::function<double()> operation;
    std::optional<ErrorCode> expected; // nullopt: an ordinary result
};

TEST(CheckedArithmetic, FaultsAreRunTimeErrors) {
    const FaultCase cases[] = {
        {"division by zero", [] { return quotient(1.0, 0.0); }, ErrorCode::DivisionByZero},
        {"zero by zero", [] { return quotient(0.0, 0.0); }, ErrorCode::DivisionByZero},
        {"division by minus zero", [] { return quotient(1.0, -0.0); }, ErrorCode::DivisionByZero},
        {"whole number by zero", [] { return quotient(180, 0.0); }, ErrorCode::DivisionByZero},
        {"product overflows", [] { return product(kMax, 2.0); }, ErrorCode::Overflow},
        {"quotient overflows", [] { return quotient(kMax, 0.5); }, ErrorCode::Overflow},
        {"sum overflows", [] { return sum(kMax, kMax); }, ErrorCode::Overflow},
        {"whole number product overflows", [] { return product(12, kMax); }, ErrorCode::Overflow},
        {"text that is no number", [] { return product(0.011, "abc"); }, ErrorCode::TypeMismatch},
        {"empty text", [] { return product(0.011, ""); }, ErrorCode::TypeMismatch},
        {"underflow is a result", [] { return product(1e-300, 1e-300); }, std::nullopt},
        {"inexact is a result", [] { return quotient(1.0, 3.0); }, std::nullopt},
    };
    for (const auto& c : cases) {
        std::optional<ErrorCode> raised;
        try {
            c.operation();
        } catch (const RunTimeError& error) {
            raised = error.code();
        }
        EXPECT_EQ(raised, c.expected) << c.name;
    }
}

} // namespace
} // namespace orbel
