#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "form1_layout.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QLabel;

namespace orbel {

class Announcement;
class Boxes;
class FieldSet;
class Frame;
class frmAbout;
class OptionButton;
class TextBox;

// The one working window. The user picks a camera page and a camera, picks
// the units, types two of width, distance and focal length, and presses
// Calculate. Every quantity lives in a field's text; the window computes
// nothing itself and hands the texts to the core.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // `startSysInfo` is what the About window's System Info button does.
    Form1(Boxes& boxes, std::function<void()> startSysInfo, QWidget* parent = nullptr);
    ~Form1() override;

private:
    // Calculate.
    void Command1_Click();

    // Units: relabel the two lengths and empty them.
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();

    // A double-click empties a field.
    void Wdth_DblClick();
    void Dist_DblClick();
    void Fmm_DblClick();

    // Camera pages: a double-click turns the page, a click repaints it.
    void Frame2_DblClick();
    void Frame3_DblClick();
    void Frame2_Click();
    void Frame3_Click();

    // Camera presets: a click writes the camera's sensor width.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option13_Click();
    void Option14_Click();
    void Option15_Click();
    void Option16_Click();
    void Option17_Click();
    void Option18_Click();

    // Six presets take a custom horizontal resolution on a double-click.
    void Option3_DblClick();
    void Option4_DblClick();
    void Option15_DblClick();
    void Option16_DblClick();
    void Option17_DblClick();
    void Option18_DblClick();

    // The window's background: opens the About window (F1 does too).
    void Form_DblClick();

    void selectPreset(std::string_view control);
    void enterCustomResolution(std::string_view control);
    void chooseUnits(std::string_view control);
    void turnPage(Page from, Page to);

    // What a screen reader says of the fields: their names with their units,
    // and what Calculate wrote.
    void nameFields();
    std::string_view spokenUnit(Field which) const;
    QString spokenResult(const FieldSet& written) const;

    LensFields fields() const;
    void build();
    QWidget* createControl(const ControlRow& row, QWidget* container);
    bool isTabStop(QWidget* widget) const;

    TextBox* field(Field which) const { return textBoxes_[static_cast<std::size_t>(which)]; }
    Frame* page(Page which) const { return pages_.at(static_cast<std::size_t>(which)); }
    OptionButton* camera(const Preset& preset) const {
        return cameras_[static_cast<std::size_t>(&preset - presets().data())];
    }

    // The description names the handlers.
    friend std::span<const ControlRow> form1Controls();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The controls the handlers work on, found once when the window is built.
    std::array<TextBox*, kFields.size()> textBoxes_{};
    std::array<Frame*, 2> pages_{};
    std::vector<OptionButton*> cameras_; // in the catalogue's order
    std::array<OptionButton*, kUnits.size()> units_{};
    std::array<QLabel*, 2> unitLabels_{}; // beside Dist and Wdth
    std::vector<QWidget*> tabOrder_;      // the controls that take the focus
    Announcement* announcement_ = nullptr;

    Boxes& boxes_;
    std::function<void()> startSysInfo_;
    // Created on first use; it has no owner window and outlives a closed
    // main window until the program ends.
    std::unique_ptr<frmAbout> about_;
};

} // namespace orbel
