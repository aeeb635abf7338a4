#pragma once

#include <map>
#include <span>
#include <string_view>
#include <vector>

class QWidget;

namespace orbel {

// A window described as a table: one row per control, with its kind,
// container, place and size in twips, tab position, caption, start state,
// font and ink. Both windows are built from such a table by one loop.
enum class ControlKind {
    Label,
    UnitLabel, // a label that shows the lengths' unit, which follows the unit options
    TextBox,
    CommandButton,
    Frame,
    OptionButton,
    Picture, // the program's icon
};

enum class StartState {
    Shown,
    Hidden,
    Disabled,
    Selected, // an option button checked at start
    HasFocus, // the control the window opens with the focus in
};

// The colour of a control's text.
enum class Ink { System, Black };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view container;   // the window's name or the frame that holds it
    int left, top, width, height; // twips
    int tab;
    std::string_view caption;
    StartState state;
    int fontPixels;            // 0: the window's font
    std::string_view labelFor; // the field whose caption a label shows
    Ink ink;
};

// The controls of a window as its table made them.
struct BuiltControls {
    // Each control by its name; the window by its own.
    std::map<std::string_view, QWidget*> byName;
    // The controls that take the focus by Tab, in the order of their tab
    // positions whatever their containers.
    std::vector<QWidget*> tabOrder;

    template <typename Widget> Widget* get(std::string_view name) const {
        return static_cast<Widget*>(byName.at(name));
    }
};

// Names the window and makes every control of its table inside it, named,
// placed and in its start state. The handlers are the window's to connect
// afterwards: a start state is no user's action. A row's container is the
// window or a control of an earlier row; `containerOf` may choose another.
BuiltControls buildControls(QWidget& window, std::string_view name,
                            std::span<const ControlRow> rows,
                            std::string_view (*containerOf)(const ControlRow&) = nullptr);

} // namespace orbel
