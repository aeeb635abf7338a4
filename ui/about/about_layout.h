#pragma once

#include "ui/control_table.h"

#include <array>
#include <string_view>

namespace orbel {

// The About window's table of controls and its line, in twips; the texts
// left empty are set as it loads.
inline constexpr int kAboutWidthTwips = 4350;
inline constexpr int kAboutHeightTwips = 3000;
// Where its client area's top-left corner stands on the screen.
inline constexpr int kAboutLeftTwips = 8925;
inline constexpr int kAboutTopTwips = 5925;

inline constexpr std::string_view kAboutWindowName = "frmAbout";

// What System Info says when the system has no tool to start, or it would not start.
inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// clang-format off
inline constexpr std::array<ControlRow, 7> kAboutControls = {{
    // name            kind                        container   left  top  width height tab text        state               font label for ink
    {"cmdOK",          ControlKind::CommandButton, "frmAbout", 2640, 2040, 1260, 345, 0, "OK",              StartState::Shown, 0, "", Ink::System},
    {"cmdSysInfo",     ControlKind::CommandButton, "frmAbout", 2640, 2520, 1245, 345, 2, "&System Info...", StartState::Shown, 0, "", Ink::System},
    {"picIcon",        ControlKind::Picture,       "frmAbout",  120,  120,  480, 480, 1, "",                StartState::Shown, 0, "", Ink::System},
    {"lblDescription", ControlKind::Label,         "frmAbout", 1050, 1125, 2325, 570, 3,
     "Program to calculate Lens focal distance for Orbel products",                                 StartState::Shown, 0, "", Ink::Black},
    {"lblTitle",       ControlKind::Label,         "frmAbout", 1050,  240, 1845, 480, 5, "",                StartState::Shown, 0, "", Ink::Black},
    {"lblVersion",     ControlKind::Label,         "frmAbout", 1050,  780, 1605, 225, 6, "",                StartState::Shown, 0, "", Ink::System},
    {"lblDisclaimer",  ControlKind::Label,         "frmAbout",  120, 2520, 2415, 345, 4, "by Tovrik",       StartState::Shown, 0, "", Ink::Black},
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
