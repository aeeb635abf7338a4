#pragma once

#include <QFont>
#include <QString>

#include <initializer_list>
#include <string_view>

namespace orbel {

// What both windows look like alike: their font, and their descriptions'
// unit, the twip.

// The windows' font, in logical pixels so that captions fit their boxes on a
// screen of any density: 11 px is the classic 8.25-point dialog font at 96 dpi.
// A list, first installed family wins. On Windows that is the dialog font
// itself, MS Sans Serif, or its outline successor Microsoft Sans Serif; where
// neither can be drawn (Wine's substitute is a bitmap the toolkit does not
// list), the narrow font the captions are sized for elsewhere.
#ifdef _WIN32
inline constexpr std::string_view kFormFontFamily =
    "MS Sans Serif,Microsoft Sans Serif,Liberation Sans Narrow";
#else
inline constexpr std::string_view kFormFontFamily = "Liberation Sans Narrow";
#endif
inline constexpr int kFormFontPixels = 11;

inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// A window's description stands on whole pixels, and no two of its controls
// share a tab position.
constexpr bool onWholePixels(std::initializer_list<int> twips) {
    bool whole = true;
    for (int value : twips)
        whole &= value % kTwipsPerPixel == 0;
    return whole;
}
template <typename Rows> constexpr bool wellFormed(const Rows& rows) {
    bool formed = true;
    for (const auto& row : rows) {
        formed &= onWholePixels({row.left, row.top, row.width, row.height});
        for (const auto& other : rows)
            formed &= &other == &row || other.tab != row.tab;
    }
    return formed;
}

// The windows' font at this pixel size.
QFont formFont(int pixels = kFormFontPixels);

QString toQString(std::string_view text);

} // namespace orbel
