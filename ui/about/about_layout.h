#pragma once

#include <array>
#include <string_view>

namespace orbel {

// The About window's description, in twips.
inline constexpr int kAboutWidthTwips = 4350;
inline constexpr int kAboutHeightTwips = 3000;
// Where its client area's top-left corner stands on the screen.
inline constexpr int kAboutLeftTwips = 8925;
inline constexpr int kAboutTopTwips = 5925;

enum class AboutKind { CommandButton, Picture, Label };

struct AboutControl {
    std::string_view name;
    AboutKind kind;
    int left, top, width, height; // twips
    int tab;
    std::string_view text; // empty where the load step sets it
    bool black;            // black text rather than the system's
};

// clang-format off
inline constexpr std::array<AboutControl, 7> kAboutControls = {{
    // name            kind                       left  top  width height tab text     black
    {"cmdOK",          AboutKind::CommandButton, 2640, 2040, 1260, 345, 0, "OK",              false},
    {"cmdSysInfo",     AboutKind::CommandButton, 2640, 2520, 1245, 345, 2, "&System Info...", false},
    {"picIcon",        AboutKind::Picture,        120,  120,  480, 480, 1, "",                false},
    {"lblDescription", AboutKind::Label,         1050, 1125, 2325, 570, 3,
     "Program to calculate Lens focal distance for Orbel products",                           true},
    {"lblTitle",       AboutKind::Label,         1050,  240, 1845, 480, 5, "",                true},
    {"lblVersion",     AboutKind::Label,         1050,  780, 1605, 225, 6, "",                false},
    {"lblDisclaimer",  AboutKind::Label,          120, 2520, 2415, 345, 4, "by Tovrik",       true},
}};
// clang-format on

// The two members of Line1 lie on one line between the description and the
// buttons: a white line of width 2 under a grey one of width 1.
struct AboutLine {
    int x1, x2, y; // twips, from x1 to x2 at height y
    unsigned rgb;
    int width; // pixels
};
inline constexpr std::array<AboutLine, 2> kAboutLines = {{
    {0, 3840, 1920, 0xFFFFFF, 2}, // Line1(0)
    {0, 3840, 1920, 0x808080, 1}, // Line1(1), drawn last
}};

} // namespace orbel
