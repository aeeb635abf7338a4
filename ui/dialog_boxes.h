#pragma once

#include "runtime/boxes.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace orbel {

// The real modal boxes: Qt dialogs over the window the user last acted in
// (the About window for System Info, the main window for Calculate and the
// custom resolution), or over the given window before any action.
class DialogBoxes : public Boxes {
public:
    explicit DialogBoxes(QWidget* parent = nullptr);
    ~DialogBoxes() override;
    DialogBoxes(const DialogBoxes&) = delete;
    DialogBoxes& operator=(const DialogBoxes&) = delete;

    void setParent(QWidget* parent) { parent_ = parent; }
    // The title of a box that is given none.
    void setProgramTitle(QString title) { programTitle_ = std::move(title); }

    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    void messageBox(std::string_view message, std::string_view title = {}) override;

private:
    class ActionWatch;

    QWidget* owner() const;
    QString titleOrProgram(std::string_view title) const;

    QPointer<QWidget> parent_;
    QString programTitle_;
    std::unique_ptr<ActionWatch> watch_;
};

} // namespace orbel
