#include "form1_layout.h"

#include <array>

namespace orbel {
namespace {

using K = ControlKind;
using S = StartState;

// clang-format off
constexpr std::array<ControlRow, 36> kControls = {{
    // name       kind              container  left  top   width height tab caption                state          label for
    // Fields and their labels. The sensor width row is hidden for the whole run.
    {"Label8",   K::Label,         "Form1",   2160,  120,  975, 255, 11, "Sensor Width",          S::Hidden,     "Sensor"},
    {"Sensor",   K::TextBox,       "Form1",   3240,  120, 1215, 285,  5, "27.776",                S::Hidden,     ""},
    {"Label7",   K::Label,         "Form1",   4440,  120,  495, 255, 10, "mm",                    S::Hidden,     ""},
    {"Label1",   K::Label,         "Form1",   2760, 1200,  615, 255,  1, "Lens f",                S::LargerFont, "Fmm"},
    {"Fmm",      K::TextBox,       "Form1",   3480, 1200,  495, 285,  3, "",                      S::Shown,      ""},
    {"Label2",   K::Label,         "Form1",   3960, 1200,  495, 255,  4, "mm",                    S::Shown,      ""},
    {"Label5",   K::Label,         "Form1",   2160, 1680, 1215, 255,  8, "Object Distance",       S::Shown,      "Dist"},
    {"Dist",     K::TextBox,       "Form1",   3480, 1680,  735, 285,  0, "",                      S::HasFocus,   ""},
    {"Label3",   K::Label,         "Form1",   4200, 1680,  495, 255,  6, "M",                     S::Shown,      ""},
    {"Label6",   K::Label,         "Form1",   2400, 2160,  975, 255,  9, "Object Width",          S::Shown,      "Wdth"},
    {"Wdth",     K::TextBox,       "Form1",   3480, 2160,  735, 285,  2, "",                      S::Shown,      ""},
    {"Label4",   K::Label,         "Form1",   4200, 2160,  495, 255,  7, "M",                     S::Shown,      ""},
    {"Label9",   K::Label,         "Form1",   3000, 2640,  375, 255, 20, "FOV",                   S::Shown,      "FOV"},
    {"FOV",      K::TextBox,       "Form1",   3480, 2640,  495, 285, 19, "",                      S::Disabled,   ""},
    {"Command1", K::CommandButton, "Form1",   2520, 3120, 1215, 495, 12, "Calculate",             S::Shown,      ""},

    // Unit system.
    {"Frame1",   K::Frame,         "Form1",   4920,  480, 1095, 1815, 13, "Units",                S::Shown,      ""},
    {"Option10", K::OptionButton,  "Frame1",   120,  360,  735, 495, 14, "Feet",                  S::Shown,      ""},
    {"Option11", K::OptionButton,  "Frame1",   120,  720,  855, 495, 16, "inches",                S::Shown,      ""},
    {"Option12", K::OptionButton,  "Frame1",   120, 1080,  855, 495, 15, "Meters",                S::Selected,   ""},

    // Camera pages, both at the same place; the presets' captions come from the catalogue.
    {"Frame2",   K::Frame,         "Form1",    240,  360, 1815, 4455, 17, "<>Vistrel/Quarrow",    S::Shown,      ""},
    {"Option9",  K::OptionButton,  "Frame2",   120,  360, 1215, 495, 29, "",                      S::Shown,      ""},
    {"Option13", K::OptionButton,  "Frame2",   120,  840, 1215, 495, 30, "",                      S::Shown,      ""},
    {"Option14", K::OptionButton,  "Frame2",   120, 1320, 1215, 495, 31, "",                      S::Shown,      ""},
    {"Option15", K::OptionButton,  "Frame2",   120, 1800, 1215, 495, 32, "",                      S::Shown,      ""},
    {"Option7",  K::OptionButton,  "Frame2",   120, 2400, 1575, 495, 21, "",                      S::Shown,      ""},
    {"Option4",  K::OptionButton,  "Frame2",   120, 2880, 1575, 495, 18, "",                      S::Shown,      ""},
    {"Option8",  K::OptionButton,  "Frame2",   120, 3360, 1215, 375, 23, "",                      S::Shown,      ""},
    {"Option18", K::OptionButton,  "Frame2",   120, 3720, 1215, 495, 35, "",                      S::Shown,      ""},
    {"Frame3",   K::Frame,         "Form1",    240,  360, 1815, 3255, 22, "Quarrow/Vistrel",      S::Hidden,     ""},
    {"Option1",  K::OptionButton,  "Frame3",   120,  240, 1575, 495, 24, "",                      S::Shown,      ""},
    {"Option2",  K::OptionButton,  "Frame3",   120,  720, 1575, 495, 25, "",                      S::Shown,      ""},
    {"Option6",  K::OptionButton,  "Frame3",   120, 1200, 1575, 375, 27, "",                      S::Shown,      ""},
    {"Option5",  K::OptionButton,  "Frame3",   120, 1560, 1455, 495, 26, "",                      S::Shown,      ""},
    {"Option3",  K::OptionButton,  "Frame3",   120, 2040, 1575, 375, 28, "",                      S::Shown,      ""},
    {"Option16", K::OptionButton,  "Frame3",   120, 2400, 1575, 375, 33, "",                      S::Shown,      ""},
    {"Option17", K::OptionButton,  "Frame3",   120, 2760, 1575, 375, 34, "",                      S::Shown,      ""},
}};
// clang-format on

} // namespace

std::span<const ControlRow> form1Controls() {
    return kControls;
}

} // namespace orbel
