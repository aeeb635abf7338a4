#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orbel {

// How wide a UTF-8 text is drawn, in any unit.
using TextWidth = std::function<int(std::string_view)>;

// What a field shows of its UTF-8 text in `room`, as `width` measures it; one
// of, in this order:
// 1. the whole text, when it fits;
// 2. for a number, its first digits with the sign, the cut mark "…" and its
//    whole exponent ("5.72…E-19", "3333…"), never a point before the mark;
// 3. where the mark leaves no room for a digit, the number rounded half away
//    from zero to as many significant digits as fit, with its exponent
//    ("3E+21" for 2.7776E+21, "1E+22" for 9.99E+21);
// 4. where not even that fits, as many "#" as fit.
// Any other text shows from its start, cut at a whole character, with the mark.
std::string fittedText(std::string_view text, int room, const TextWidth& width);

} // namespace orbel
