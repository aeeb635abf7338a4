#pragma once

// A text as orbel-lens's input, for the tests and the fuzz targets.

#include "cli/csv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbel {

// A text read from its front, at most `piece` bytes at a time.
inline CsvReader::Source from(std::string_view& text, std::size_t piece = SIZE_MAX) {
    return [&text, piece](char* buffer, std::size_t size) {
        const std::size_t n = text.copy(buffer, std::min(size, piece));
        text.remove_prefix(n);
        return n;
    };
}

} // namespace orbel
