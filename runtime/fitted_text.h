#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orbel {

// How wide a UTF-8 text is drawn, in any unit.
using TextWidth = std::function<int(std::string_view)>;

// What a field shows of its UTF-8 text in `room`, as `width` measures it; one
// of, in this order:
// 1. the whole text, when it fits (a number without the blanks around it);
// 2. for a number, a cut inside its fraction only: the sign, the whole
//    integer part, the point, the fraction up to at least its first
//    significant digit, the mark "…" and the whole exponent ("1277.6…",
//    "0.0012…", "2.77…E+21"); never inside the integer part, where "1290…"
//    would read as 1290 whatever followed;
// 3. the number rounded half away from zero as a spreadsheet shows it in a
//    narrow cell: plainly with fewer places while its integer part fits and a
//    significant digit shows ("1278", "180"), else with an exponent and as
//    many significant digits as fit ("1.3E+07", "1.2E-04", "1E+22");
// 4. where not even that fits, as many "#" as fit.
// Any other text shows from its start, cut at a whole character, with the mark.
std::string fittedText(std::string_view text, int room, const TextWidth& width);

} // namespace orbel
