#pragma once

#include <QFont>
#include <QString>

#include <string_view>

namespace orbel {

// What both windows look like alike: their font, and their descriptions'
// unit, the twip.

// The windows' font, in logical pixels so that captions fit their boxes on a
// screen of any density: 11 px is the classic 8.25-point dialog font at 96 dpi.
inline constexpr std::string_view kFormFontFamily = "Liberation Sans Narrow";
inline constexpr int kFormFontPixels = 11;

inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// The windows' font at this pixel size.
QFont formFont(int pixels = kFormFontPixels);

QString toQString(std::string_view text);

} // namespace orbel
