#include "form1.h"

#include "calc/custom_resolution.h"
#include "calc/failure_text.h"
#include "calc/lens_solver.h"
#include "controls.h"
#include "form1_layout.h"
#include "runtime/boxes.h"
#include "ui/about/frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace orbel {
namespace {

constexpr std::array kLensFields = {Field::Wdth, Field::Dist, Field::Fmm, Field::Sensor,
                                    Field::FOV};

const char* fieldName(Field which) {
    switch (which) {
    case Field::Wdth:
        return "Wdth";
    case Field::Dist:
        return "Dist";
    case Field::Fmm:
        return "Fmm";
    case Field::Sensor:
        return "Sensor";
    case Field::FOV:
        break;
    }
    return "FOV";
}

const ControlRow* findRow(std::string_view name) {
    const auto rows = form1Controls();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const ControlRow& row) { return row.name == name; });
    return found == rows.end() ? nullptr : &*found;
}

} // namespace

Form1::Form1(Boxes& boxes, std::function<void()> startSysInfo, QWidget* parent)
    : QWidget(parent)
    , boxes_(boxes)
    , startSysInfo_(std::move(startSysInfo)) {
    build();
    wireEvents();
}

Form1::~Form1() = default;

// ---- What the user does -------------------------------------------------

void Form1::Command1_Click() {
    LensFields record = fields();
    const LensOutcome outcome = calculate(record);
    for (Field which : kLensFields)
        if (outcome.written.contains(which))
            field(which)->setProgramText(toQString(record.text(which)));
    if (outcome.failure)
        boxes_.messageBox(failureText(*outcome.failure, record));
}

void Form1::Option10_Click() {
    chooseUnits(" Ft");
}
void Form1::Option11_Click() {
    chooseUnits(" in.");
}
void Form1::Option12_Click() {
    chooseUnits(" M");
}

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

void Form1::Option1_Click() {
    selectPreset("Option1");
}
void Form1::Option2_Click() {
    selectPreset("Option2");
}
void Form1::Option3_Click() {
    selectPreset("Option3");
}
void Form1::Option4_Click() {
    selectPreset("Option4");
}
void Form1::Option5_Click() {
    selectPreset("Option5");
}
void Form1::Option6_Click() {
    selectPreset("Option6");
}
void Form1::Option7_Click() {
    selectPreset("Option7");
}
void Form1::Option8_Click() {
    selectPreset("Option8");
}
void Form1::Option9_Click() {
    selectPreset("Option9");
}
void Form1::Option13_Click() {
    selectPreset("Option13");
}
void Form1::Option14_Click() {
    selectPreset("Option14");
}
void Form1::Option15_Click() {
    selectPreset("Option15");
}
void Form1::Option16_Click() {
    selectPreset("Option16");
}
void Form1::Option17_Click() {
    selectPreset("Option17");
}
void Form1::Option18_Click() {
    selectPreset("Option18");
}

void Form1::Option3_DblClick() {
    enterCustomResolution("Option3");
}
void Form1::Option4_DblClick() {
    enterCustomResolution("Option4");
}
void Form1::Option15_DblClick() {
    enterCustomResolution("Option15");
}
void Form1::Option16_DblClick() {
    enterCustomResolution("Option16");
}
void Form1::Option17_DblClick() {
    enterCustomResolution("Option17");
}
void Form1::Option18_DblClick() {
    enterCustomResolution("Option18");
}

void Form1::Form_DblClick() {
    if (!about_)
        about_ = std::make_unique<frmAbout>(windowTitle(), startSysInfo_);
    about_->showModeless();
}

// ---- What follows from it -----------------------------------------------

void Form1::selectPreset(std::string_view control) {
    field(Field::Sensor)->setProgramText(toQString(sensorText(*findPreset(control))));
}

void Form1::enterCustomResolution(std::string_view control) {
    const CustomEntry& entry = *findPreset(control)->custom;
    const std::string entered =
        boxes_.inputBox(customPrompt(entry), kCustomResolutionTitle, entry.defaultText);
    const auto result = applyCustomResolution(entry, entered);
    if (!result)
        return; // cancelled or not a number: nothing changes
    field(Field::Sensor)->setProgramText(toQString(result->sensor));
    OptionButton* button = option(control);
    button->setText(toQString(result->caption));
    button->setToolTip(toQString(result->tooltip));
}

void Form1::chooseUnits(const char* unitLabel) {
    label("Label3")->setText(QString::fromLatin1(unitLabel));
    label("Label4")->setText(QString::fromLatin1(unitLabel));
    field(Field::Wdth)->clear();
    field(Field::Dist)->clear();
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
    option(defaultPreset(to).control)->setChecked(true);
}

LensFields Form1::fields() const {
    LensFields record;
    for (Field which : kLensFields)
        record.text(which) = field(which)->text().toStdString();
    record.units.meters = option("Option12")->isChecked();
    record.units.inches = option("Option11")->isChecked();
    record.units.feet = option("Option10")->isChecked();
    return record;
}

// Only the bare background opens the About window: labels, frames and the
// disabled field pass their mouse events on to the window, so the place of
// the double-click decides. The hidden sensor row counts as background.
void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        Form_DblClick();
    event->accept();
}

// Turning a page and entering a custom resolution take the mouse; for a
// keyboard or screen-reader user, Page Down or Page Up on a camera of the
// visible page turns it (the focus follows to the camera the turn selects),
// and Enter on a camera with a custom resolution opens its entry.
void Form1::keyPressEvent(QKeyEvent* event) {
    QWidget* focus = focusWidget();
    auto* camera = qobject_cast<OptionButton*>(focus);
    const Preset* preset = camera ? findPreset(camera->objectName().toStdString()) : nullptr;
    if (!preset) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        preset->page == Page::Frame2 ? Frame2_DblClick() : Frame3_DblClick();
        const Page shown = preset->page == Page::Frame2 ? Page::Frame3 : Page::Frame2;
        option(defaultPreset(shown).control)->setFocus(Qt::OtherFocusReason);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!preset->custom || !camera->isChecked()) {
            QWidget::keyPressEvent(event);
            return;
        }
        emit camera->doubleClicked();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// ---- Building the window from its description -----------------------------

void Form1::build() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(kFormCaption));
    setFont(formFont());
    resize(toPixels(kFormWidthTwips), toPixels(kFormHeightTwips));

    for (const ControlRow& row : form1Controls()) {
        QWidget* container = row.container == "Form1" ? this : control(row.container);
        const QString caption = toQString(row.caption);
        QWidget* widget = nullptr;
        switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(caption, container);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* field = new TextBox(caption, container);
            // A field takes text of any length; Qt would cut it at 32767.
            field->setMaxLength(std::numeric_limits<int>::max());
            widget = field;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(caption, container);
            // Enter on the focused button presses it, as on any desktop; it
            // is no default button, so Enter in a field calculates nothing.
            button->setAutoDefault(true);
            widget = button;
            break;
        }
        case ControlKind::Frame:
            widget = new Frame(caption, container);
            break;
        case ControlKind::OptionButton: {
            auto* button = new OptionButton(caption, container);
            if (const Preset* preset = findPreset(row.name)) {
                button->setText(toQString(preset->caption));
                button->setToolTip(toQString(preset->tooltip));
                // At start the shown page has its first choice selected.
                button->setChecked(preset->firstChoice && container->isVisibleTo(this));
            }
            widget = button;
            break;
        }
        }
        widget->setObjectName(toQString(row.name));
        widget->setGeometry(toPixels(row.left), toPixels(row.top), toPixels(row.width),
                            toPixels(row.height));
        switch (row.state) {
        case StartState::Shown:
        case StartState::HasFocus:
            break;
        case StartState::Hidden:
            widget->hide();
            break;
        case StartState::Disabled:
            widget->setEnabled(false);
            break;
        case StartState::Selected:
            static_cast<OptionButton*>(widget)->setChecked(true);
            break;
        case StartState::LargerFont:
            widget->setFont(formFont(kLargerFontPixels));
            break;
        }
    }

    // Each field is known to a screen reader by the caption beside it.
    for (const ControlRow& row : form1Controls()) {
        if (row.labelFor.empty())
            continue;
        QLabel* caption = label(row.name);
        QWidget* target = control(row.labelFor);
        caption->setBuddy(target);
        target->setAccessibleName(caption->text());
    }

    // One tab sequence over the whole window, whatever the container.
    std::vector<const ControlRow*> byTab;
    for (const ControlRow& row : form1Controls())
        byTab.push_back(&row);
    std::sort(byTab.begin(), byTab.end(),
              [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    QWidget* previous = nullptr;
    for (const ControlRow* row : byTab) {
        QWidget* widget = control(row->name);
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
        if (row->state == StartState::HasFocus)
            widget->setFocus();
    }
}

void Form1::wireEvents() {
    enum class Event { Click, DblClick };
    struct EventRow {
        const char* control;
        Event event;
        void (Form1::*handler)();
    };
    // clang-format off
    static constexpr EventRow kEvents[] = {
        {"Command1", Event::Click,    &Form1::Command1_Click},
        {"Option10", Event::Click,    &Form1::Option10_Click},
        {"Option11", Event::Click,    &Form1::Option11_Click},
        {"Option12", Event::Click,    &Form1::Option12_Click},
        {"Wdth",     Event::DblClick, &Form1::Wdth_DblClick},
        {"Dist",     Event::DblClick, &Form1::Dist_DblClick},
        {"Fmm",      Event::DblClick, &Form1::Fmm_DblClick},
        {"Frame2",   Event::DblClick, &Form1::Frame2_DblClick},
        {"Frame3",   Event::DblClick, &Form1::Frame3_DblClick},
        {"Frame2",   Event::Click,    &Form1::Frame2_Click},
        {"Frame3",   Event::Click,    &Form1::Frame3_Click},
        {"Option1",  Event::Click,    &Form1::Option1_Click},
        {"Option2",  Event::Click,    &Form1::Option2_Click},
        {"Option3",  Event::Click,    &Form1::Option3_Click},
        {"Option4",  Event::Click,    &Form1::Option4_Click},
        {"Option5",  Event::Click,    &Form1::Option5_Click},
        {"Option6",  Event::Click,    &Form1::Option6_Click},
        {"Option7",  Event::Click,    &Form1::Option7_Click},
        {"Option8",  Event::Click,    &Form1::Option8_Click},
        {"Option9",  Event::Click,    &Form1::Option9_Click},
        {"Option13", Event::Click,    &Form1::Option13_Click},
        {"Option14", Event::Click,    &Form1::Option14_Click},
        {"Option15", Event::Click,    &Form1::Option15_Click},
        {"Option16", Event::Click,    &Form1::Option16_Click},
        {"Option17", Event::Click,    &Form1::Option17_Click},
        {"Option18", Event::Click,    &Form1::Option18_Click},
        {"Option3",  Event::DblClick, &Form1::Option3_DblClick},
        {"Option4",  Event::DblClick, &Form1::Option4_DblClick},
        {"Option15", Event::DblClick, &Form1::Option15_DblClick},
        {"Option16", Event::DblClick, &Form1::Option16_DblClick},
        {"Option17", Event::DblClick, &Form1::Option17_DblClick},
        {"Option18", Event::DblClick, &Form1::Option18_DblClick},
    };
    // clang-format on
    for (const EventRow& row : kEvents) {
        QWidget* widget = control(row.control);
        const auto handler = row.handler;
        auto run = [this, handler] { (this->*handler)(); };
        if (auto* button = qobject_cast<OptionButton*>(widget)) {
            if (row.event == Event::Click) {
                // An option button's click is its becoming selected, by the
                // mouse, the keyboard or the program.
                connect(button, &QAbstractButton::toggled, this, [run](bool checked) {
                    if (checked)
                        run();
                });
            } else {
                // The entry opens its modal box once the double-click's mouse
                // events are all delivered, never inside them.
                connect(button, &OptionButton::doubleClicked, this, run, Qt::QueuedConnection);
            }
        } else if (auto* frame = qobject_cast<Frame*>(widget)) {
            connect(frame, row.event == Event::Click ? &Frame::clicked : &Frame::doubleClicked,
                    this, run);
        } else if (auto* text = qobject_cast<TextBox*>(widget)) {
            connect(text, &TextBox::doubleClicked, this, run);
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            connect(push, &QPushButton::clicked, this, run);
        }
    }
}

// Tab visits the controls in the window's tab order. An option group is one
// stop, entered at its selected button (or its first, when none is); hidden
// and disabled controls are skipped.
bool Form1::focusNextPrevChild(bool next) {
    std::vector<const ControlRow*> stops;
    for (const ControlRow& row : form1Controls()) {
        QWidget* widget = control(row.name);
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(this) ||
            !widget->isEnabled())
            continue;
        if (auto* button = qobject_cast<OptionButton*>(widget); button && !button->isChecked()) {
            const auto group = button->parentWidget()->findChildren<OptionButton*>();
            const bool anyChecked = std::any_of(group.begin(), group.end(),
                                                [](OptionButton* b) { return b->isChecked(); });
            const bool firstOfGroup =
                std::none_of(group.begin(), group.end(), [&](OptionButton* b) {
                    const ControlRow* other = findRow(b->objectName().toStdString());
                    return other && other->tab < row.tab;
                });
            if (anyChecked || !firstOfGroup)
                continue;
        }
        stops.push_back(&row);
    }
    if (stops.empty())
        return false;
    std::sort(stops.begin(), stops.end(),
              [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });

    const QWidget* current = focusWidget();
    const ControlRow* here = current ? findRow(current->objectName().toStdString()) : nullptr;
    const ControlRow* target = nullptr;
    if (!here) {
        target = next ? stops.front() : stops.back();
    } else if (next) {
        const auto after = std::find_if(stops.begin(), stops.end(),
                                        [&](const ControlRow* s) { return s->tab > here->tab; });
        target = after == stops.end() ? stops.front() : *after;
    } else {
        const auto before = std::find_if(stops.rbegin(), stops.rend(),
                                         [&](const ControlRow* s) { return s->tab < here->tab; });
        target = before == stops.rend() ? stops.back() : *before;
    }
    control(target->name)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// ---- The controls by name -------------------------------------------------

QWidget* Form1::control(std::string_view name) const {
    return findChild<QWidget*>(toQString(name));
}

TextBox* Form1::field(Field which) const {
    return findChild<TextBox*>(QString::fromLatin1(fieldName(which)));
}

OptionButton* Form1::option(std::string_view control) const {
    return findChild<OptionButton*>(toQString(control));
}

Frame* Form1::page(Page which) const {
    return findChild<Frame*>(which == Page::Frame2 ? QStringLiteral("Frame2")
                                                   : QStringLiteral("Frame3"));
}

QLabel* Form1::label(std::string_view name) const {
    return findChild<QLabel*>(toQString(name));
}

} // namespace orbel
