#pragma once

#include <string>
#include <string_view>

namespace orbel {

// A value as text with no pattern. A text of "&h" and one to eight
// hexadecimal digits is a number written in hexadecimal and gives its decimal
// value as an unsigned 32-bit number ("&h0000001A" gives "26"); any other
// text is given back unchanged.
std::string formatGeneral(std::string_view text);

} // namespace orbel
