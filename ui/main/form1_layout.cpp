#include "form1_layout.h"

#include "form1.h"

namespace orbel {
namespace {

using F = Form1;
using K = ControlKind;
using S = StartState;

constexpr const ControlRow& rowOf(std::span<const ControlRow> rows, std::string_view name) {
    for (const ControlRow& row : rows)
        if (row.name == name)
            return row;
    throw "no such control";
}

// The record's defaults are the window's start state, each field is a text
// box here, and it is known by the caption of the label beside it.
constexpr bool agreesWithTheCore(std::span<const ControlRow> rows) {
    bool agrees = kSensorAtStart == rowOf(rows, "Sensor").caption;
    for (const UnitRow& unit : kUnits)
        agrees &= UnitFlags{}.*unit.flag == (rowOf(rows, unit.control).state == S::Selected);
    for (const FieldRow& field : kFields)
        agrees &= rowOf(rows, field.control).kind == K::TextBox;
    for (const ControlRow& row : rows)
        if (!row.labelFor.empty())
            for (const FieldRow& field : kFields)
                agrees &= field.control != row.labelFor || field.caption == row.caption;
    return agrees;
}

} // namespace

// A friend of the window, for the addresses of its handlers.
std::span<const ControlRow> form1Controls() {
    // clang-format off
    static constexpr std::array<ControlRow, 36> kControls = {{
        // name      kind              container  left   top width height tab caption            state          label for click               double-click
        // Fields and their labels. The sensor width row is hidden for the whole run.
        {"Label8",   K::Label,         "Form1",  2160,  120,  975,  255, 11, "Sensor Width",      S::Hidden,     "Sensor", nullptr,            nullptr},
        {"Sensor",   K::TextBox,       "Form1",  3240,  120, 1215,  285,  5, "27.776",            S::Hidden,     "",       nullptr,            nullptr},
        {"Label7",   K::Label,         "Form1",  4440,  120,  495,  255, 10, "mm",                S::Hidden,     "",       nullptr,            nullptr},
        {"Label1",   K::Label,         "Form1",  2760, 1200,  615,  255,  1, "Lens f",            S::LargerFont, "Fmm",    nullptr,            nullptr},
        {"Fmm",      K::TextBox,       "Form1",  3480, 1200,  495,  285,  3, "",                  S::Shown,      "",       nullptr,            &F::Fmm_DblClick},
        {"Label2",   K::Label,         "Form1",  3960, 1200,  495,  255,  4, "mm",                S::Shown,      "",       nullptr,            nullptr},
        {"Label5",   K::Label,         "Form1",  2160, 1680, 1215,  255,  8, "Object Distance",   S::Shown,      "Dist",   nullptr,            nullptr},
        {"Dist",     K::TextBox,       "Form1",  3480, 1680,  735,  285,  0, "",                  S::HasFocus,   "",       nullptr,            &F::Dist_DblClick},
        {"Label3",   K::Label,         "Form1",  4200, 1680,  495,  255,  6, "M",                 S::Shown,      "",       nullptr,            nullptr},
        {"Label6",   K::Label,         "Form1",  2400, 2160,  975,  255,  9, "Object Width",      S::Shown,      "Wdth",   nullptr,            nullptr},
        {"Wdth",     K::TextBox,       "Form1",  3480, 2160,  735,  285,  2, "",                  S::Shown,      "",       nullptr,            &F::Wdth_DblClick},
        {"Label4",   K::Label,         "Form1",  4200, 2160,  495,  255,  7, "M",                 S::Shown,      "",       nullptr,            nullptr},
        {"Label9",   K::Label,         "Form1",  3000, 2640,  375,  255, 20, "FOV",               S::Shown,      "FOV",    nullptr,            nullptr},
        {"FOV",      K::TextBox,       "Form1",  3480, 2640,  495,  285, 19, "",                  S::Disabled,   "",       nullptr,            nullptr},
        {"Command1", K::CommandButton, "Form1",  2520, 3120, 1215,  495, 12, "Calculate",         S::Shown,      "",       &F::Command1_Click, nullptr},

        // Unit system.
        {"Frame1",   K::Frame,         "Form1",  4920,  480, 1095, 1815, 13, "Units",             S::Shown,      "",       nullptr,            nullptr},
        {"Option10", K::OptionButton,  "Frame1",  120,  360,  735,  495, 14, "Feet",              S::Shown,      "",       &F::Option10_Click, nullptr},
        {"Option11", K::OptionButton,  "Frame1",  120,  720,  855,  495, 16, "inches",            S::Shown,      "",       &F::Option11_Click, nullptr},
        {"Option12", K::OptionButton,  "Frame1",  120, 1080,  855,  495, 15, "Meters",            S::Selected,   "",       &F::Option12_Click, nullptr},

        // Camera pages, both at the same place; the presets' captions come from the catalogue.
        {"Frame2",   K::Frame,         "Form1",   240,  360, 1815, 4455, 17, "<>Vistrel/Quarrow", S::Shown,      "",       &F::Frame2_Click,   &F::Frame2_DblClick},
        {"Option9",  K::OptionButton,  "Frame2",  120,  360, 1215,  495, 29, "",                  S::Shown,      "",       &F::Option9_Click,  nullptr},
        {"Option13", K::OptionButton,  "Frame2",  120,  840, 1215,  495, 30, "",                  S::Shown,      "",       &F::Option13_Click, nullptr},
        {"Option14", K::OptionButton,  "Frame2",  120, 1320, 1215,  495, 31, "",                  S::Shown,      "",       &F::Option14_Click, nullptr},
        {"Option15", K::OptionButton,  "Frame2",  120, 1800, 1215,  495, 32, "",                  S::Shown,      "",       &F::Option15_Click, &F::Option15_DblClick},
        {"Option7",  K::OptionButton,  "Frame2",  120, 2400, 1575,  495, 21, "",                  S::Shown,      "",       &F::Option7_Click,  nullptr},
        {"Option4",  K::OptionButton,  "Frame2",  120, 2880, 1575,  495, 18, "",                  S::Shown,      "",       &F::Option4_Click,  &F::Option4_DblClick},
        {"Option8",  K::OptionButton,  "Frame2",  120, 3360, 1215,  375, 23, "",                  S::Shown,      "",       &F::Option8_Click,  nullptr},
        {"Option18", K::OptionButton,  "Frame2",  120, 3720, 1215,  495, 35, "",                  S::Shown,      "",       &F::Option18_Click, &F::Option18_DblClick},
        {"Frame3",   K::Frame,         "Form1",   240,  360, 1815, 3255, 22, "Quarrow/Vistrel",   S::Hidden,     "",       &F::Frame3_Click,   &F::Frame3_DblClick},
        {"Option1",  K::OptionButton,  "Frame3",  120,  240, 1575,  495, 24, "",                  S::Shown,      "",       &F::Option1_Click,  nullptr},
        {"Option2",  K::OptionButton,  "Frame3",  120,  720, 1575,  495, 25, "",                  S::Shown,      "",       &F::Option2_Click,  nullptr},
        {"Option6",  K::OptionButton,  "Frame3",  120, 1200, 1575,  375, 27, "",                  S::Shown,      "",       &F::Option6_Click,  nullptr},
        {"Option5",  K::OptionButton,  "Frame3",  120, 1560, 1455,  495, 26, "",                  S::Shown,      "",       &F::Option5_Click,  nullptr},
        {"Option3",  K::OptionButton,  "Frame3",  120, 2040, 1575,  375, 28, "",                  S::Shown,      "",       &F::Option3_Click,  &F::Option3_DblClick},
        {"Option16", K::OptionButton,  "Frame3",  120, 2400, 1575,  375, 33, "",                  S::Shown,      "",       &F::Option16_Click, &F::Option16_DblClick},
        {"Option17", K::OptionButton,  "Frame3",  120, 2760, 1575,  375, 34, "",                  S::Shown,      "",       &F::Option17_Click, &F::Option17_DblClick},
    }};
    // clang-format on
    static_assert(agreesWithTheCore(kControls));
    return kControls;
}

} // namespace orbel
