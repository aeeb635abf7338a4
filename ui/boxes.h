#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace orbel {

// The modal boxes the windows show, behind one seam: the program shows real
// dialogs, a test may answer them itself. Each box stands over the window
// that asks for it.
class Boxes {
public:
    virtual ~Boxes() = default;

    // Asks for one line of text. A "\r" in the prompt starts a new line.
    // Returns the text as typed, or empty text when the user cancels.
    virtual std::string inputBox(QWidget* owner, std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) = 0;

    // Shows a message with an OK button only and no icon. An empty title
    // shows the program's title.
    virtual void messageBox(QWidget* owner, std::string_view message,
                            std::string_view title = {}) = 0;
};

} // namespace orbel
