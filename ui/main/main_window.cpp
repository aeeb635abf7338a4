// The main window: what the user does, what follows from it, and how the
// window is built from its tables and wired by action.
#include "main_window.h"

#include "calc/custom_resolution.h"
#include "calc/failure_text.h"
#include "calc/lens_fields.h"
#include "calc/lens_solver.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "main_window_layout.h"
#include "ui/about/about_window.h"
#include "ui/accessibility.h"
#include "ui/boxes.h"
#include "ui/control_table.h"
#include "ui/controls.h"
#include "ui/window_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <variant>

namespace orbel {

MainWindow::MainWindow(Boxes& boxes, std::function<bool()> startSysInfo, QWidget* parent)
    : QWidget(parent)
    , boxes_(boxes)
    , startSysInfo_(std::move(startSysInfo)) {
    build();
}

MainWindow::~MainWindow() = default;

// ---- What the user does -------------------------------------------------

void MainWindow::selectCamera(const Preset& preset) {
    field(Field::SensorWidth)->setText(toQString(sensorText(preset)));
}

void MainWindow::enterCustomResolution(const Preset& preset) {
    const CustomEntry& entry = *preset.custom;
    const std::string entered =
        boxes_.inputBox(this, customPrompt(entry), kCustomResolutionTitle, entry.defaultText);
    const CustomOutcome outcome = applyCustomResolution(entry, entered);
    const auto* result = std::get_if<CustomResult>(&outcome);
    if (!result)
        return; // cancelled, no number, or no resolution: nothing changes
    field(Field::SensorWidth)->setText(toQString(result->sensor));
    OptionButton* button = camera(preset);
    button->setText(toQString(result->caption));
    setCameraTip(button, toQString(result->tooltip), true);
}

// Relabels the two lengths and empties them: their numbers were in the old unit.
void MainWindow::chooseUnits(const UnitRow& unit) {
    for (QLabel* label : unitLabels_)
        label->setText(toQString(unit.system.label));
    field(Field::Width)->clear();
    field(Field::Distance)->clear();
    nameFields();
}

void MainWindow::emptyField(Field which) {
    field(which)->clear();
}

void MainWindow::turnPage(Page from) {
    const Page to = from == Page::First ? Page::Second : Page::First;
    page(to)->show();
    page(from)->hide();
    for (OptionButton* button : page(from)->findChildren<OptionButton*>()) {
        // An exclusive group refuses to uncheck its checked button.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    // Checking it selects it, which writes the default camera's width.
    camera(defaultPreset(to))->setChecked(true);
}

void MainWindow::openAbout() {
    if (!about_)
        about_ = std::make_unique<AboutWindow>(windowTitle(), boxes_, startSysInfo_);
    about_->showModeless();
}

// Every text the core changed goes back to its field, the emptied field of
// view too; only what it wrote is said.
void MainWindow::calculate() {
    const LensFields given = fields();
    LensFields record = given;
    const LensOutcome outcome = orbel::calculate(record);
    for (const FieldRow& row : kFields)
        if (record.*row.text != given.*row.text)
            field(row.field)->setText(toQString(record.*row.text));
    if (outcome.failure)
        boxes_.messageBox(this, failureText(*outcome.failure, record));
    else if (!outcome.written.empty()) // a notification with no words is heard as noise
        announcement_->announce(spokenResult(outcome.written));
}

// ---- What follows from it -----------------------------------------------

// Each field is known to a screen reader by its caption and its unit, which
// follows the unit buttons: "Object Width, metres". The captions beside the
// fields are no labels of theirs to it: a screen reader would say a label's
// text instead of the field's name, and so no unit.
void MainWindow::nameFields() {
    for (const FieldRow& row : kFields)
        field(row.field)->setAccessibleName(toQString(row.caption) + QStringLiteral(", ") +
                                            toQString(spokenUnit(row.field)));
}

std::string_view MainWindow::spokenUnit(Field which) const {
    if (const FieldUnit* fixed = fixedUnit(which))
        return fixed->spoken;
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        if (units_[i]->isChecked())
            return kUnits[i].system.spoken;
    return {};
}

// The whole texts Calculate wrote, not what fits in the fields:
// "Lens f 1277.696 millimetres, FOV 1.24551137441264 degrees".
QString MainWindow::spokenResult(const FieldSet& written) const {
    QStringList said;
    for (const FieldRow& row : kFields)
        if (written.contains(row.field))
            said << toQString(row.caption) + QLatin1Char(' ') + field(row.field)->text() +
                        QLatin1Char(' ') + toQString(spokenUnit(row.field));
    return said.join(QStringLiteral(", "));
}

LensFields MainWindow::fields() const {
    LensFields record;
    for (const FieldRow& row : kFields)
        record.*row.text = field(row.field)->text().toStdString();
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        if (units_[i]->isChecked())
            record.units = kUnits[i].system.units;
    return record;
}

// Only the bare background opens the About window: labels, frames and the
// disabled field pass their mouse events on to the window, so the place of
// the double-click decides. The hidden sensor row counts as background.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        openAbout();
}

// Turning a page and entering a custom resolution take the mouse; for a
// keyboard or screen-reader user, Page Down or Page Up on a camera of the
// visible page turns it (the focus follows to the camera the turn selects),
// and Enter on a camera with a custom resolution opens its entry.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const auto at = std::find(cameras_.begin(), cameras_.end(), focusWidget());
    OptionButton* button = at == cameras_.end() ? nullptr : *at;
    const Preset* preset =
        button ? &presets()[static_cast<std::size_t>(at - cameras_.begin())] : nullptr;
    const int key = event->key();
    if (preset && (key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
        turnPage(preset->page);
        const Page shown = preset->page == Page::First ? Page::Second : Page::First;
        camera(defaultPreset(shown))->setFocus(Qt::OtherFocusReason);
    } else if (preset && preset->custom && button->isChecked() &&
               (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit button->doubleClicked();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// ---- Building the window from its tables ---------------------------------

namespace {

// A camera stands on the page the catalogue gives it.
std::string_view cameraPage(const ControlRow& row) {
    const Preset* preset = cameraOf(row.name);
    return preset ? kPageControls[static_cast<std::size_t>(preset->page)] : row.container;
}

} // namespace

// The controls are made from the table in their start state; each kind of
// action is then connected once, to every control the catalogue or a table
// gives it.
void MainWindow::build() {
    installAccessibility();
    setWindowTitle(toQString(kFormCaption));
    setFont(formFont());
    resize(toPixels(kFormWidthTwips), toPixels(kFormHeightTwips));
    const BuiltControls built =
        buildControls(*this, kMainWindowName, mainWindowControls(), cameraPage);
    tabOrder_ = built.tabOrder;

    for (const FieldRow& row : kFields) {
        fields_[static_cast<std::size_t>(row.field)] = built.get<TextBox>(fieldControl(row.field));
        connect(field(row.field), &TextBox::doubleClicked, this,
                [this, which = row.field] { emptyField(which); });
    }
    for (std::size_t i = 0; i < kPageControls.size(); ++i) {
        pages_[i] = built.get<Frame>(kPageControls[i]);
        connect(pages_[i], &Frame::doubleClicked, this,
                [this, from = static_cast<Page>(i)] { turnPage(from); });
    }
    for (std::size_t i = 0; i < kPresetCount; ++i) {
        const Preset& preset = presets()[i];
        auto* button = built.get<OptionButton>(kCameraControls[i]);
        cameras_.push_back(button);
        button->setText(toQString(preset.caption));
        setCameraTip(button, toQString(preset.tooltip), preset.custom != nullptr);
        // The shown page starts at its first choice, whose width Sensor holds.
        if (preset.firstChoice && page(preset.page)->isVisibleTo(this)) {
            button->setChecked(true);
            selectCamera(preset);
        }
        // A button's becoming selected, by the mouse, the keyboard or the
        // program, selects its camera.
        connect(button, &QAbstractButton::toggled, this, [this, &preset](bool checked) {
            if (checked)
                selectCamera(preset);
        });
        // The entry opens its modal box once the double-click's mouse events
        // are all delivered, never inside them.
        if (preset.custom)
            connect(
                button, &OptionButton::doubleClicked, this,
                [this, &preset] { enterCustomResolution(preset); }, Qt::QueuedConnection);
    }
    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        units_[i] = built.get<OptionButton>(kUnits[i].control);
        connect(units_[i], &QAbstractButton::toggled, this,
                [this, &unit = kUnits[i]](bool checked) {
                    if (checked)
                        chooseUnits(unit);
                });
    }
    for (const ControlRow& row : mainWindowControls())
        if (row.kind == ControlKind::UnitLabel)
            unitLabels_.push_back(built.get<QLabel>(row.name));
    connect(built.get<QPushButton>(kCalculateControl), &QPushButton::clicked, this,
            &MainWindow::calculate);

    nameFields();
    announcement_ = new Announcement(this);
    // F1, the desktop's key for help and about, opens the About window from
    // anywhere in this window, for those who cannot double-click.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &MainWindow::openAbout);
}

// Tab visits the controls in the window's tab order. An option group is one
// stop, entered at its selected button (every group shown has one: the units
// start at Meters, a page at its first choice); hidden and disabled controls
// are skipped.
bool MainWindow::isTabStop(QWidget* widget) const {
    auto* button = qobject_cast<OptionButton*>(widget);
    return widget->isVisibleTo(this) && widget->isEnabled() && (!button || button->isChecked());
}

bool MainWindow::focusNextPrevChild(bool next) {
    const std::size_t count = tabOrder_.size();
    // From outside the sequence, Tab starts at its first stop and Shift+Tab at its last.
    std::size_t at = static_cast<std::size_t>(
        std::find(tabOrder_.begin(), tabOrder_.end(), focusWidget()) - tabOrder_.begin());
    if (at == count)
        at = next ? count - 1 : 0;
    for (std::size_t step = 1; step <= count; ++step) {
        QWidget* widget = tabOrder_[(next ? at + step : at + count - step) % count];
        if (isTabStop(widget)) {
            widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

} // namespace orbel
