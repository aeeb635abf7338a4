#include "calc/custom_resolution.h"
#include "calc/sensor_catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace orbel {
namespace {

TEST(SensorCatalogue, PagesDefaultsAndStartSelection) {
    EXPECT_EQ(defaultPreset(Page::Frame2).control, "Option7");
    EXPECT_EQ(defaultPreset(Page::Frame3).control, "Option6");
    std::set<std::string_view> selected;
    std::size_t onFirstPage = 0;
    for (const Preset& preset : presets()) {
        if (preset.selectedAtStart)
            selected.insert(preset.control);
        onFirstPage += preset.page == Page::Frame2 ? 1U : 0U;
    }
    EXPECT_EQ(selected, std::set<std::string_view>{"Option7"});
    EXPECT_EQ(onFirstPage, 8U);
    EXPECT_EQ(findPreset("Option10"), nullptr); // a unit button, not a camera
}

struct EntryCase {
    const char* name;
    const char* control;
    std::string entered;
    std::optional<CustomResult> expected;
};

TEST(CustomResolution, PitchTimesTheEnteredText) {
    // clang-format off
    const EntryCase cases[] = {
        {"default on Brava, just below 7.04", "Option15", "640",    CustomResult{"7.04",   "Brava 640",      "7.04mm"}},
        {"default on Dalo",                   "Option4",  "640",    CustomResult{"13.888", "Dalo 640",       "13.888mm"}},
        {"default on Lumo uses 6.6 um",       "Option18", "1280",   CustomResult{"8.448",  "Lumo 1280",      "8.448mm"}},
        {"default on Nano",                   "Option3",  "640",    CustomResult{"4.736",  "Nano/Pico 640",  "4.736mm"}},
        {"default on Giga",                   "Option16", "640",    CustomResult{"5.12",   "Giga 640",       "5.12mm"}},
        {"Tera prefix has no blank",          "Option17", "640",    CustomResult{"8.96",   "Tera/Deca640",   "8.96mm"}},
        {"1024 on Nano",                      "Option3",  "1024",   CustomResult{"7.5776", "Nano/Pico 1024", "7.5776mm"}},
        {"caption keeps the text as typed",   "Option15", "1024.0", CustomResult{"11.264", "Brava 1024.0",   "11.264mm"}},
        {"zero is accepted",                  "Option15", "0",      CustomResult{"0",      "Brava 0",        "0mm"}},
        {"negative is accepted",              "Option16", "-10",    CustomResult{"-0.08",  "Giga -10",       "-0.08mm"}},
        {"cancel",                            "Option15", "",       std::nullopt},
        {"not a number",                      "Option15", "wide",   std::nullopt},
        {"blanks only",                       "Option4",  "   ",    std::nullopt},
        {"beyond the double range",           "Option4",  "1e400",  std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Preset* preset = findPreset(c.control);
        ASSERT_TRUE(preset && preset->custom) << c.name;
        const auto result = applyCustomResolution(*preset->custom, c.entered);
        ASSERT_EQ(result.has_value(), c.expected.has_value()) << c.name;
        if (!result)
            continue;
        EXPECT_EQ(result->sensor, c.expected->sensor) << c.name;
        EXPECT_EQ(result->caption, c.expected->caption) << c.name;
        EXPECT_EQ(result->tooltip, c.expected->tooltip) << c.name;
    }
}

TEST(CustomResolution, PromptAndDefaults) {
    const struct {
        const char* control;
        const char* pitchLine;
        const char* defaultText;
    } cases[] = {
        {"Option15", "Hor. Res X .011mm", "640"},  {"Option4", "Hor. Res X .0217mm", "640"},
        {"Option18", "Hor. Res X .006mm", "1280"}, {"Option3", "Hor. Res X .0074mm", "640"},
        {"Option16", "Hor. Res X .008mm", "640"},  {"Option17", "Hor. Res X .014mm", "640"},
    };
    std::size_t withEntry = 0;
    for (const Preset& preset : presets())
        withEntry += preset.custom ? 1U : 0U;
    EXPECT_EQ(withEntry, std::size(cases));
    for (const auto& c : cases) {
        const CustomEntry& entry = *findPreset(c.control)->custom;
        EXPECT_EQ(customPrompt(entry),
                  std::string("Enter new Horizontal Resolution\r\r") + c.pitchLine);
        EXPECT_EQ(entry.defaultText, c.defaultText);
    }
    EXPECT_EQ(kCustomResolutionTitle, "Custom Hor. Resolution");
}

} // namespace
} // namespace orbel
