#pragma once

#include "runtime/boxes.h"

class QWidget;

namespace orbel {

// The real modal boxes: Qt dialogs over the given window.
class DialogBoxes : public Boxes {
public:
    explicit DialogBoxes(QWidget* parent = nullptr)
        : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    void messageBox(std::string_view message, std::string_view title = {}) override;

private:
    QWidget* owner() const;

    QWidget* parent_;
};

} // namespace orbel
