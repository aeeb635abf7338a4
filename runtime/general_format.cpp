// A value as text with no pattern: hexadecimal "&h" text as its decimal value.
#include "general_format.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace orbel {

std::string formatGeneral(std::string_view text) {
    if (text.size() < 3 || text.size() > 10 || text[0] != '&' || (text[1] != 'h' && text[1] != 'H'))
        return std::string(text);
    const std::string_view digits = text.substr(2);
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::string(text);
    std::array<char, 12> decimal{};
    const auto written = std::to_chars(decimal.data(), decimal.data() + decimal.size(), value);
    return {decimal.data(), written.ptr};
}

} // namespace orbel
