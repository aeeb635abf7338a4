#pragma once

#include "runtime/boxes.h"
#include "runtime/run_time_error.h"

#include <optional>
#include <string>
#include <vector>

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

// Boxes that remember each message and answer every input box with Cancel.
class FakeBoxes : public Boxes {
public:
    std::string inputBox(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    void messageBox(std::string_view message, std::string_view) override {
        messages.emplace_back(message);
    }
    std::vector<std::string> messages;
};

} // namespace orbel::testing
