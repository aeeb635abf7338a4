// The one loop that builds a window from its table of controls.
#include "control_table.h"

#include "controls.h"
#include "window_look.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <span>
#include <utility>
#include <vector>

namespace orbel {
namespace {

QWidget* createControl(const ControlRow& row, QWidget* container) {
    const QString caption = toQString(row.caption);
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::UnitLabel: {
        auto* label = new QLabel(caption, container);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox: {
        auto* field = new TextBox(caption, container);
        // A field takes text of any length; Qt would cut it at 32767.
        field->setMaxLength(std::numeric_limits<int>::max());
        return field;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, container);
        // Enter on the focused button presses it, as on any desktop; it is
        // no default button, so Enter in a field presses nothing.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::Frame:
        return new Frame(caption, container);
    case ControlKind::OptionButton: {
        auto* button = new OptionButton(caption, container);
        button->setChecked(row.state == StartState::Selected);
        return button;
    }
    case ControlKind::Picture: {
        // It takes the focus.
        auto* picture = new QLabel(container);
        picture->setPixmap(
            QApplication::windowIcon().pixmap(toPixels(row.width), toPixels(row.height)));
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
    }
    return nullptr;
}

// The pixels a label's text keeps clear of a field's right border.
constexpr int kClearOfField = 2;

// How far a label's text is moved right to keep clear of a field it begins
// on: the table sets each unit label on its field's last pixel column, where
// "mm" touched the border. Only the text moves, the label keeps its place.
int indentClearOf(const ControlRow& label, std::span<const ControlRow> rows) {
    int indent = 0;
    for (const ControlRow& field : rows) {
        const int right = toPixels(field.left + field.width);
        if (field.kind == ControlKind::TextBox && field.container == label.container &&
            field.left <= label.left && toPixels(label.left) < right &&
            field.top < label.top + label.height && label.top < field.top + field.height)
            indent = std::max(indent, right - toPixels(label.left) + kClearOfField);
    }
    return indent;
}

} // namespace

BuiltControls buildControls(QWidget& window, std::string_view name,
                            std::span<const ControlRow> rows,
                            std::string_view (*containerOf)(const ControlRow&)) {
    window.setObjectName(toQString(name));
    BuiltControls built{{{name, &window}}, {}};
    std::vector<std::pair<int, QWidget*>> byTab;
    for (const ControlRow& row : rows) {
        const std::string_view container = containerOf ? containerOf(row) : row.container;
        QWidget* widget = createControl(row, built.byName.at(container));
        built.byName[row.name] = widget;
        if (widget->focusPolicy() & Qt::TabFocus)
            byTab.emplace_back(row.tab, widget);
        widget->setObjectName(toQString(row.name));
        widget->setGeometry(toPixels(row.left), toPixels(row.top), toPixels(row.width),
                            toPixels(row.height));
        switch (row.state) {
        case StartState::Shown:
        case StartState::Selected:
            break;
        case StartState::HasFocus:
            widget->setFocus();
            break;
        case StartState::Hidden:
            widget->hide();
            break;
        case StartState::Disabled:
            widget->setEnabled(false);
            break;
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && row.kind != ControlKind::Picture)
            if (const int indent = indentClearOf(row, rows); indent > 0)
                label->setIndent(indent);
        if (row.fontPixels != 0)
            widget->setFont(formFont(row.fontPixels));
        if (row.ink == Ink::Black) {
            QPalette black = widget->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            widget->setPalette(black);
        }
    }
    std::sort(byTab.begin(), byTab.end());
    for (const auto& [tab, widget] : byTab)
        built.tabOrder.push_back(widget);
    return built;
}

} // namespace orbel
