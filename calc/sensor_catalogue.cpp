// The camera catalogue: each preset's page, caption, tooltip, sensor width
// and custom-resolution entry, and the lookups over it.
#include "sensor_catalogue.h"

#include "custom_resolution.h"
#include "runtime/conversions.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace orbel {
namespace {

// The pitch of Lumo is 6.6 um although its prompt line says .006mm; its
// catalogue tooltip agrees with the pitch.
// clang-format off
constexpr CustomEntry kBrava {"Hor. Res X .011mm",  "640",  0.011,  "Brava "};
constexpr CustomEntry kDalo  {"Hor. Res X .0217mm", "640",  0.0217, "Dalo "};
constexpr CustomEntry kLumo  {"Hor. Res X .006mm",  "1280", 0.0066, "Lumo "};
constexpr CustomEntry kNano  {"Hor. Res X .0074mm", "640",  0.0074, "Nano/Pico "};
constexpr CustomEntry kGiga  {"Hor. Res X .008mm",  "640",  0.008,  "Giga "};
constexpr CustomEntry kTera  {"Hor. Res X .014mm",  "640",  0.014,  "Tera/Deca"};

constexpr std::array<Preset, kPresetCount> kPresets = {{
    // page        caption                                  tooltip             width   custom   first choice
    {Page::First,  "Brava - 2560x1920",                    "28.16mm",          28.16,  nullptr, false},
    {Page::First,  "Brava - 1920x1080",                    "21.12mm",          21.12,  nullptr, false},
    {Page::First,  "Brava - 1280x960",                     "14.08mm",          14.08,  nullptr, false},
    {Page::First,  "Brava - 512x384",                      "5.63mm, 11um",     5.632,  &kBrava, false},
    {Page::First,  "DaloA/DaloB/DaloC/ Rundo - 1280x1024", "27.77mm",          27.776, nullptr, true},
    {Page::First,  "DaloA/DaloB/DaloC/ Rundo - 640x480",   "13.888mm, 21.7um", 13.888, &kDalo,  false},
    {Page::First,  "Dalo Mini",                            "6.336mm, 9.9um",   6.336,  nullptr, false},
    {Page::First,  "Lumo - 1280x1024",                     "8.46mm, 6.6um",    8.46,   &kLumo,  false},

    {Page::Second, " Hexa /Pask 1280x1024",                "15.36mm",          15.36,  nullptr, false},
    {Page::Second, "Hexa /Pask 640x480",                   "7.68mm",           7.68,   nullptr, false},
    {Page::Second, "Quarrow Kilo",                         "8.192mm",          8.192,  nullptr, true},
    {Page::Second, "Sorel Mini && Tauk",                   "4.8mm",            4.8,    nullptr, false},
    {Page::Second, "Quarrow Nano",                         "4.7mm, 7.4um",     4.736,  &kNano,  false},
    {Page::Second, "Quarrow Giga",                         "13.56mm, 8um",     13.568, &kGiga,  false},
    {Page::Second, "Quarrow Tera",                         "17.92mm, 14um",    17.92,  &kTera,  false},
}};
// clang-format on

// Each page has one first choice: the camera a page turn selects.
constexpr bool oneFirstChoicePerPage() {
    std::array<int, 2> choices{}; // on the first page, on the second
    for (const Preset& preset : kPresets)
        choices[static_cast<std::size_t>(preset.page)] += preset.firstChoice ? 1 : 0;
    return choices == std::array{1, 1};
}
static_assert(oneFirstChoicePerPage());

} // namespace

std::span<const Preset> presets() {
    return kPresets;
}

const Preset& defaultPreset(Page page) {
    return *std::find_if(kPresets.begin(), kPresets.end(), [&](const Preset& preset) {
        return preset.page == page && preset.firstChoice;
    });
}

std::string sensorText(const Preset& preset) {
    return numberToText(preset.sensorWidth);
}

std::string shownCaption(const Preset& preset) {
    std::string shown(preset.caption);
    for (std::size_t at = shown.find("&&"); at != std::string::npos; at = shown.find("&&", at + 1))
        shown.erase(at, 1);
    return shown;
}

} // namespace orbel
