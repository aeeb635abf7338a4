#include "form1.h"

#include "calc/custom_resolution.h"
#include "calc/failure_text.h"
#include "calc/lens_solver.h"
#include "controls.h"
#include "runtime/boxes.h"
#include "ui/about/frm_about.h"
#include "ui/accessibility.h"
#include "ui/window_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <limits>
#include <map>

namespace orbel {

Form1::Form1(Boxes& boxes, std::function<void()> startSysInfo, QWidget* parent)
    : QWidget(parent)
    , boxes_(boxes)
    , startSysInfo_(std::move(startSysInfo)) {
    build();
}

Form1::~Form1() = default;

// ---- What the user does -------------------------------------------------

void Form1::Command1_Click() {
    LensFields record = fields();
    const LensOutcome outcome = calculate(record);
    for (const FieldRow& row : kFields)
        if (outcome.written.contains(row.field))
            field(row.field)->setText(toQString(record.*row.text));
    if (outcome.failure)
        boxes_.messageBox(failureText(*outcome.failure, record));
    else if (!outcome.written.empty()) // a notification with no words is heard as noise
        announcement_->announce(spokenResult(outcome.written));
}

// The units, the cameras and their custom resolutions: each handler hands its
// own control's name, written once, to the work its kind shares.
#define ORBEL_NAMED_HANDLER(control, event, work)                                                  \
    void Form1::control##_##event() {                                                              \
        work(#control);                                                                            \
    }

ORBEL_NAMED_HANDLER(Option10, Click, chooseUnits)
ORBEL_NAMED_HANDLER(Option11, Click, chooseUnits)
ORBEL_NAMED_HANDLER(Option12, Click, chooseUnits)

void Form1::Wdth_DblClick() {
    field(Field::Wdth)->clear();
}
void Form1::Dist_DblClick() {
    field(Field::Dist)->clear();
}
void Form1::Fmm_DblClick() {
    field(Field::Fmm)->clear();
}

void Form1::Frame2_DblClick() {
    turnPage(Page::Frame2, Page::Frame3);
}
void Form1::Frame3_DblClick() {
    turnPage(Page::Frame3, Page::Frame2);
}
void Form1::Frame2_Click() {
    page(Page::Frame2)->update();
}
void Form1::Frame3_Click() {
    page(Page::Frame3)->update();
}

ORBEL_NAMED_HANDLER(Option1, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option2, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option3, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option4, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option5, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option6, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option7, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option8, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option9, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option13, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option14, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option15, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option16, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option17, Click, selectPreset)
ORBEL_NAMED_HANDLER(Option18, Click, selectPreset)

ORBEL_NAMED_HANDLER(Option3, DblClick, enterCustomResolution)
ORBEL_NAMED_HANDLER(Option4, DblClick, enterCustomResolution)
ORBEL_NAMED_HANDLER(Option15, DblClick, enterCustomResolution)
ORBEL_NAMED_HANDLER(Option16, DblClick, enterCustomResolution)
ORBEL_NAMED_HANDLER(Option17, DblClick, enterCustomResolution)
ORBEL_NAMED_HANDLER(Option18, DblClick, enterCustomResolution)

#undef ORBEL_NAMED_HANDLER

void Form1::Form_DblClick() {
    if (!about_)
        about_ = std::make_unique<frmAbout>(windowTitle(), startSysInfo_);
    about_->showModeless();
}

// ---- What follows from it -----------------------------------------------

void Form1::selectPreset(std::string_view control) {
    field(Field::Sensor)->setText(toQString(sensorText(*findPreset(control))));
}

void Form1::enterCustomResolution(std::string_view control) {
    const CustomEntry& entry = *findPreset(control)->custom;
    const std::string entered =
        boxes_.inputBox(customPrompt(entry), kCustomResolutionTitle, entry.defaultText);
    const auto result = applyCustomResolution(entry, entered);
    if (!result)
        return; // cancelled or not a number: nothing changes
    field(Field::Sensor)->setText(toQString(result->sensor));
    OptionButton* button = camera(*findPreset(control));
    button->setText(toQString(result->caption));
    setCameraTip(button, toQString(result->tooltip), true);
}

void Form1::chooseUnits(std::string_view control) {
    const auto unit = std::find_if(kUnits.begin(), kUnits.end(),
                                   [&](const UnitRow& row) { return row.control == control; });
    for (QLabel* label : unitLabels_)
        label->setText(toQString(unit->label));
    field(Field::Wdth)->clear();
    field(Field::Dist)->clear();
    nameFields();
}

void Form1::turnPage(Page from, Page to) {
    page(to)->show();
    page(from)->hide();
    for (OptionButton* button : page(from)->findChildren<OptionButton*>()) {
        // An exclusive group refuses to uncheck its checked button.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    // Checking it runs its click, which writes the default camera's width.
    camera(defaultPreset(to))->setChecked(true);
}

// Each field is known to a screen reader by its caption and its unit, which
// follows the unit buttons: "Object Width, metres". The captions beside the
// fields are no labels of theirs to it: a screen reader would say a label's
// text instead of the field's name, and so no unit.
void Form1::nameFields() {
    for (const FieldRow& row : kFields)
        field(row.field)->setAccessibleName(toQString(row.caption) + QStringLiteral(", ") +
                                            toQString(spokenUnit(row.field)));
}

std::string_view Form1::spokenUnit(Field which) const {
    for (const auto& [field, unit] : kFixedUnits)
        if (field == which)
            return unit;
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        if (units_[i]->isChecked())
            return kUnits[i].spoken;
    return {};
}

// The whole texts Calculate wrote, not what fits in the fields:
// "Lens f 1277.696 millimetres, FOV 1.24551137441264 degrees".
QString Form1::spokenResult(const FieldSet& written) const {
    QStringList said;
    for (const FieldRow& row : kFields)
        if (written.contains(row.field))
            said << toQString(row.caption) + QLatin1Char(' ') + field(row.field)->text() +
                        QLatin1Char(' ') + toQString(spokenUnit(row.field));
    return said.join(QStringLiteral(", "));
}

LensFields Form1::fields() const {
    LensFields record;
    for (const FieldRow& row : kFields)
        record.*row.text = field(row.field)->text().toStdString();
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        record.units.*kUnits[i].flag = units_[i]->isChecked();
    return record;
}

// Only the bare background opens the About window: labels, frames and the
// disabled field pass their mouse events on to the window, so the place of
// the double-click decides. The hidden sensor row counts as background.
void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        Form_DblClick();
}

// Turning a page and entering a custom resolution take the mouse; for a
// keyboard or screen-reader user, Page Down or Page Up on a camera of the
// visible page turns it (the focus follows to the camera the turn selects),
// and Enter on a camera with a custom resolution opens its entry.
void Form1::keyPressEvent(QKeyEvent* event) {
    const auto at = std::find(cameras_.begin(), cameras_.end(), focusWidget());
    OptionButton* button = at == cameras_.end() ? nullptr : *at;
    const Preset* preset =
        button ? &presets()[static_cast<std::size_t>(at - cameras_.begin())] : nullptr;
    const int key = event->key();
    if (preset && (key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
        preset->page == Page::Frame2 ? Frame2_DblClick() : Frame3_DblClick();
        const Page shown = preset->page == Page::Frame2 ? Page::Frame3 : Page::Frame2;
        camera(defaultPreset(shown))->setFocus(Qt::OtherFocusReason);
    } else if (preset && preset->custom && button->isChecked() &&
               (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit button->doubleClicked();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// ---- Building the window from its description -----------------------------

void Form1::build() {
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(kFormCaption));
    setFont(formFont());
    resize(toPixels(kFormWidthTwips), toPixels(kFormHeightTwips));

    std::map<std::string_view, QWidget*> made{{"Form1", this}};
    std::vector<std::pair<int, QWidget*>> byTab; // one sequence whatever the container
    for (const ControlRow& row : form1Controls()) {
        const Preset* preset = findPreset(row.name);
        QWidget* widget = createControl(
            row, made.at(preset ? kPageControls[static_cast<std::size_t>(preset->page)]
                                : row.container));
        made[row.name] = widget;
        if (widget->focusPolicy() & Qt::TabFocus)
            byTab.emplace_back(row.tab, widget);
        widget->setObjectName(toQString(row.name));
        widget->setGeometry(toPixels(row.left), toPixels(row.top), toPixels(row.width),
                            toPixels(row.height));
        switch (row.state) {
        case StartState::Shown:
        case StartState::Selected: // checked as it is made, before its click is connected
            break;
        case StartState::HasFocus:
            widget->setFocus();
            break;
        case StartState::Hidden:
            widget->hide();
            break;
        case StartState::Disabled:
            widget->setEnabled(false);
            if (auto* field = qobject_cast<TextBox*>(widget))
                describeDisabledField(field);
            break;
        }
        if (row.fontPixels != 0)
            widget->setFont(formFont(row.fontPixels));
    }

    for (const FieldRow& row : kFields)
        textBoxes_[static_cast<std::size_t>(row.field)] =
            static_cast<TextBox*>(made.at(row.control));
    for (const Preset& preset : presets())
        cameras_.push_back(static_cast<OptionButton*>(made.at(preset.control)));
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        units_[i] = static_cast<OptionButton*>(made.at(kUnits[i].control));
    for (std::size_t i = 0; i < kPageControls.size(); ++i)
        pages_[i] = static_cast<Frame*>(made.at(kPageControls[i]));
    unitLabels_ = {static_cast<QLabel*>(made.at("Label3")),
                   static_cast<QLabel*>(made.at("Label4"))};

    // Sensor starts with the width of the camera selected at start.
    for (const Preset& preset : presets())
        if (camera(preset)->isChecked())
            field(Field::Sensor)->setText(toQString(sensorText(preset)));

    std::sort(byTab.begin(), byTab.end());
    for (const auto& [tab, widget] : byTab)
        tabOrder_.push_back(widget);

    nameFields();
    announcement_ = new Announcement(this);
    // F1, the desktop's key for help and about, opens the About window from
    // anywhere in this window, for those who cannot double-click.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &Form1::Form_DblClick);
}

// Makes one control of the description and connects its handlers, as it
// stands at start: an option button's start selection is no click.
QWidget* Form1::createControl(const ControlRow& row, QWidget* container) {
    const QString caption = toQString(row.caption);
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox: {
        auto* field = new TextBox(caption, container);
        // A field takes text of any length; Qt would cut it at 32767.
        field->setMaxLength(std::numeric_limits<int>::max());
        if (row.dblClick)
            connect(field, &TextBox::doubleClicked, this, row.dblClick);
        return field;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, container);
        // Enter on the focused button presses it, as on any desktop; it
        // is no default button, so Enter in a field calculates nothing.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, row.click);
        return button;
    }
    case ControlKind::Frame: {
        auto* frame = new Frame(caption, container);
        if (row.click)
            connect(frame, &Frame::clicked, this, row.click);
        if (row.dblClick)
            connect(frame, &Frame::doubleClicked, this, row.dblClick);
        return frame;
    }
    case ControlKind::OptionButton:
        break;
    }
    auto* button = new OptionButton(caption, container);
    const Preset* preset = findPreset(row.name);
    if (preset) {
        button->setText(toQString(preset->caption));
        setCameraTip(button, toQString(preset->tooltip), preset->custom != nullptr);
    }
    // At start the shown page has its first choice selected.
    button->setChecked(row.state == StartState::Selected ||
                       (preset && preset->firstChoice && container->isVisibleTo(this)));
    // An option button's click is its becoming selected, by the mouse, the
    // keyboard or the program.
    connect(button, &QAbstractButton::toggled, this, [this, handler = row.click](bool checked) {
        if (checked)
            (this->*handler)();
    });
    // The entry opens its modal box once the double-click's mouse events are
    // all delivered, never inside them.
    if (row.dblClick)
        connect(button, &OptionButton::doubleClicked, this, row.dblClick, Qt::QueuedConnection);
    return button;
}

// Tab visits the controls in the window's tab order. An option group is one
// stop, entered at its selected button (every group shown has one: the units
// start at Meters, a page at its first choice); hidden and disabled controls
// are skipped.
bool Form1::isTabStop(QWidget* widget) const {
    auto* button = qobject_cast<OptionButton*>(widget);
    return widget->isVisibleTo(this) && widget->isEnabled() && (!button || button->isChecked());
}

bool Form1::focusNextPrevChild(bool next) {
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
    return false;
}

} // namespace orbel
