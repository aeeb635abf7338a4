#pragma once

#include "boxes.h"

#include <QString>

namespace orbel {

// The real modal boxes: Qt dialogs over the window that asks, titled with
// the program's title unless a box has one of its own.
class DialogBoxes : public Boxes {
public:
    // The title of a box that is given none.
    void setProgramTitle(QString title) { programTitle_ = std::move(title); }

    std::string inputBox(QWidget* owner, std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    void messageBox(QWidget* owner, std::string_view message, std::string_view title = {}) override;

private:
    QString titleOrProgram(std::string_view title) const;

    QString programTitle_;
};

} // namespace orbel
