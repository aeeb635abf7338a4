// The main window's table of controls.
#include "main_window_layout.h"
#include "calc/sensor_catalogue.h"

#include "calc/lens_fields.h"
#include "ui/control_table.h"
#include "ui/window_look.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace orbel {
namespace {

using K = ControlKind;
using S = StartState;
using I = Ink;

constexpr const ControlRow& rowOf(std::span<const ControlRow> rows, std::string_view name) {
    for (const ControlRow& row : rows)
        if (row.name == name)
            return row;
    throw "no such control";
}

// The record's unit defaults are the window's start state, each field is a
// text box here, and it is known by the caption of the label beside it.
constexpr bool agreesWithTheCore(std::span<const ControlRow> rows) {
    bool agrees = true;
    for (const UnitRow& unit : kUnits)
        agrees &=
            (kStartUnits == unit.system.units) == (rowOf(rows, unit.control).state == S::Selected);
    for (const FieldRow& field : kFields)
        agrees &= rowOf(rows, fieldControl(field.field)).kind == K::TextBox;
    for (const ControlRow& row : rows)
        if (!row.labelFor.empty())
            for (const FieldRow& field : kFields)
                agrees &= fieldControl(field.field) != row.labelFor || field.caption == row.caption;
    return agrees;
}

} // namespace

std::span<const ControlRow> mainWindowControls() {
    // clang-format off
    static constexpr std::array<ControlRow, 36> kControls = {{
        // name      kind              container  left   top width height tab caption            state          font label for ink
        // Fields and their labels. The sensor width row is hidden for the whole run.
        {"Label8",   K::Label,         "Form1",  2160,  120,  975,  255, 11, "Sensor Width",      S::Hidden,     0,  "Sensor", I::System},
        {"Sensor",   K::TextBox,       "Form1",  3240,  120, 1215,  285,  5, "",                  S::Hidden,     0,  "",       I::System},
        {"Label7",   K::Label,         "Form1",  4440,  120,  495,  255, 10, "mm",                S::Hidden,     0,  "",       I::System},
        {"Label1",   K::Label,         "Form1",  2760, 1200,  615,  255,  1, "Lens f",            S::Shown,      13, "Fmm",    I::System},
        {"Fmm",      K::TextBox,       "Form1",  3480, 1200,  495,  285,  3, "",                  S::Shown,      0,  "",       I::System},
        {"Label2",   K::Label,         "Form1",  3960, 1200,  495,  255,  4, "mm",                S::Shown,      0,  "",       I::System},
        {"Label5",   K::Label,         "Form1",  2160, 1680, 1215,  255,  8, "Object Distance",   S::Shown,      0,  "Dist",   I::System},
        {"Dist",     K::TextBox,       "Form1",  3480, 1680,  735,  285,  0, "",                  S::HasFocus,   0,  "",       I::System},
        {"Label3",   K::UnitLabel,     "Form1",  4200, 1680,  495,  255,  6, "M",                 S::Shown,      0,  "",       I::System},
        {"Label6",   K::Label,         "Form1",  2400, 2160,  975,  255,  9, "Object Width",      S::Shown,      0,  "Wdth",   I::System},
        {"Wdth",     K::TextBox,       "Form1",  3480, 2160,  735,  285,  2, "",                  S::Shown,      0,  "",       I::System},
        {"Label4",   K::UnitLabel,     "Form1",  4200, 2160,  495,  255,  7, "M",                 S::Shown,      0,  "",       I::System},
        {"Label9",   K::Label,         "Form1",  3000, 2640,  375,  255, 20, "FOV",               S::Shown,      0,  "FOV",    I::System},
        {"FOV",      K::TextBox,       "Form1",  3480, 2640,  495,  285, 19, "",                  S::Disabled,   0,  "",       I::System},
        {"Command1", K::CommandButton, "Form1",  2520, 3120, 1215,  495, 12, "Calculate",         S::Shown,      0,  "",       I::System},

        // Unit system.
        {"Frame1",   K::Frame,         "Form1",  4920,  480, 1095, 1815, 13, "Units",             S::Shown,      0,  "",       I::System},
        {"Option10", K::OptionButton,  "Frame1",  120,  360,  735,  495, 14, "Feet",              S::Shown,      0,  "",       I::System},
        {"Option11", K::OptionButton,  "Frame1",  120,  720,  855,  495, 16, "inches",            S::Shown,      0,  "",       I::System},
        {"Option12", K::OptionButton,  "Frame1",  120, 1080,  855,  495, 15, "Meters",            S::Selected,   0,  "",       I::System},

        // Camera pages, at one place; a camera's page, caption and tooltip are the catalogue's.
        {"Frame2",   K::Frame,         "Form1",   240,  360, 1815, 4455, 17, "<>Vistrel/Quarrow", S::Shown,      0,  "",       I::System},
        {"Option9",  K::OptionButton,  "",        120,  360, 1215,  495, 29, "",                  S::Shown,      0,  "",       I::System},
        {"Option13", K::OptionButton,  "",        120,  840, 1215,  495, 30, "",                  S::Shown,      0,  "",       I::System},
        {"Option14", K::OptionButton,  "",        120, 1320, 1215,  495, 31, "",                  S::Shown,      0,  "",       I::System},
        {"Option15", K::OptionButton,  "",        120, 1800, 1215,  495, 32, "",                  S::Shown,      0,  "",       I::System},
        {"Option7",  K::OptionButton,  "",        120, 2400, 1575,  495, 21, "",                  S::Shown,      0,  "",       I::System},
        {"Option4",  K::OptionButton,  "",        120, 2880, 1575,  495, 18, "",                  S::Shown,      0,  "",       I::System},
        {"Option8",  K::OptionButton,  "",        120, 3360, 1215,  375, 23, "",                  S::Shown,      0,  "",       I::System},
        {"Option18", K::OptionButton,  "",        120, 3720, 1215,  495, 35, "",                  S::Shown,      0,  "",       I::System},
        {"Frame3",   K::Frame,         "Form1",   240,  360, 1815, 3255, 22, "Quarrow/Vistrel",   S::Hidden,     0,  "",       I::System},
        {"Option1",  K::OptionButton,  "",        120,  240, 1575,  495, 24, "",                  S::Shown,      0,  "",       I::System},
        {"Option2",  K::OptionButton,  "",        120,  720, 1575,  495, 25, "",                  S::Shown,      0,  "",       I::System},
        {"Option6",  K::OptionButton,  "",        120, 1200, 1575,  375, 27, "",                  S::Shown,      0,  "",       I::System},
        {"Option5",  K::OptionButton,  "",        120, 1560, 1455,  495, 26, "",                  S::Shown,      0,  "",       I::System},
        {"Option3",  K::OptionButton,  "",        120, 2040, 1575,  375, 28, "",                  S::Shown,      0,  "",       I::System},
        {"Option16", K::OptionButton,  "",        120, 2400, 1575,  375, 33, "",                  S::Shown,      0,  "",       I::System},
        {"Option17", K::OptionButton,  "",        120, 2760, 1575,  375, 34, "",                  S::Shown,      0,  "",       I::System},
    }};
    // clang-format on
    static_assert(agreesWithTheCore(kControls) && wellFormed(kControls) &&
                  onWholePixels({kFormWidthTwips, kFormHeightTwips}));
    return kControls;
}

const Preset* cameraOf(std::string_view control) {
    const auto at = std::find(kCameraControls.begin(), kCameraControls.end(), control);
    return at == kCameraControls.end()
               ? nullptr
               : &presets()[static_cast<std::size_t>(at - kCameraControls.begin())];
}

} // namespace orbel
