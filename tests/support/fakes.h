#pragma once

#include "runtime/boxes.h"
#include "runtime/run_time_error.h"

#include <deque>
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

// Answers the modal boxes at once and remembers what they were asked, as
// "prompt|title|default text" and "message|title". An input box answers the
// next queued text ("" is Cancel), or its default text.
class FakeBoxes : public Boxes {
public:
    void answer(std::string text) { answers_.push_back(std::move(text)); }
    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
        inputs.push_back(std::string(prompt) + "|" + std::string(title) + "|" +
                         std::string(defaultText));
        std::string text(answers_.empty() ? defaultText : answers_.front());
        if (!answers_.empty())
            answers_.pop_front();
        return text;
    }
    void messageBox(std::string_view message, std::string_view title) override {
        messages.push_back(std::string(message) + "|" + std::string(title));
    }
    std::vector<std::string> inputs, messages;

private:
    std::deque<std::string> answers_;
};

} // namespace orbel::testing
