#pragma once

#include "runtime/boxes.h"

#include <deque>
#include <string>
#include <vector>

namespace orbel::testing {

// Answers the modal boxes at once and remembers what they were asked.
class FakeBoxes : public Boxes {
public:
    struct Input {
        std::string prompt, title, defaultText;
    };
    struct Message {
        std::string text, title;
    };

    // The next input box answers this text; "" is what Cancel gives. With no
    // answer queued the box accepts its default text.
    void answer(std::string text) { answers_.push_back(std::move(text)); }

    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
        inputs.push_back({std::string(prompt), std::string(title), std::string(defaultText)});
        if (answers_.empty())
            return std::string(defaultText);
        std::string text = std::move(answers_.front());
        answers_.pop_front();
        return text;
    }

    void messageBox(std::string_view message, std::string_view title) override {
        messages.push_back({std::string(message), std::string(title)});
    }

    std::vector<Input> inputs;
    std::vector<Message> messages;

private:
    std::deque<std::string> answers_;
};

} // namespace orbel::testing
