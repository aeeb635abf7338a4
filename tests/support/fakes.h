#pragma once

// What the tests share for run-time errors: the one an action raises.

#include "runtime/run_time_error.h"

#include <optional>

namespace orbel::testing {

// The run-time error an action raises, or nothing when it returns.
template <typename Action> std::optional<ErrorCode> raised(Action action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.code();
    }
    return std::nullopt;
}

} // namespace orbel::testing
