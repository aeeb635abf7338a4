#include "registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace orbel {

std::string Registry::folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

long Registry::answerQuery(std::uint32_t storedType, std::string_view bytes, std::uint32_t& type,
                           unsigned char* data, std::uint32_t& size) {
    const auto length = static_cast<std::uint32_t>(bytes.size());
    type = storedType;
    if (length > size) {
        size = length;
        return kMoreData;
    }
    if (length > 0)
        std::memcpy(data, bytes.data(), length);
    size = length;
    return kSuccess;
}

} // namespace orbel
