#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "main_window_layout.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QLabel;

namespace orbel {

class AboutWindow;
class Announcement;
class Boxes;
class FieldSet;
class Frame;
class OptionButton;
class TextBox;

// The one working window. The user picks a camera page and a camera, picks
// the units, types two of width, distance and focal length, and presses
// Calculate. Every quantity lives in a field's text; the window computes
// nothing itself and hands the texts to the core.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `startSysInfo` is what the About window's System Info button does: true
    // when it started the tool.
    MainWindow(Boxes& boxes, std::function<bool()> startSysInfo, QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    // What the user does, one handler per kind of action.
    void selectCamera(const Preset& preset);
    void enterCustomResolution(const Preset& preset);
    void chooseUnits(const UnitRow& unit);
    void emptyField(Field which);
    void turnPage(Page from);
    void openAbout();
    void calculate();

    // What a screen reader says of the fields: their names with their units,
    // and what Calculate wrote.
    void nameFields();
    std::string_view spokenUnit(Field which) const;
    QString spokenResult(const FieldSet& written) const;

    LensFields fields() const;
    void build();
    bool isTabStop(QWidget* widget) const;

    TextBox* field(Field which) const { return fields_[static_cast<std::size_t>(which)]; }
    Frame* page(Page which) const { return pages_.at(static_cast<std::size_t>(which)); }
    OptionButton* camera(const Preset& preset) const {
        return cameras_[static_cast<std::size_t>(&preset - presets().data())];
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The controls the handlers work on, found once when the window is built.
    std::array<TextBox*, kFields.size()> fields_{};
    std::array<Frame*, kPageControls.size()> pages_{};
    std::vector<OptionButton*> cameras_; // in the catalogue's order
    std::array<OptionButton*, kUnits.size()> units_{};
    std::vector<QLabel*> unitLabels_;
    std::vector<QWidget*> tabOrder_; // the controls that take the focus
    Announcement* announcement_ = nullptr;

    Boxes& boxes_;
    std::function<bool()> startSysInfo_;
    // Created on first use; it has no owner window and outlives a closed
    // main window until the program ends.
    std::unique_ptr<AboutWindow> about_;
};

} // namespace orbel
