#pragma once

// Tables read from a text, as orbel-lens reads them, for the tests and the
// fuzz targets.

#include "cli/csv.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// A text read from its front, at most `piece` bytes at a time.
inline CsvReader::Source from(std::string_view& text, std::size_t piece = SIZE_MAX) {
    return [&text, piece](char* buffer, std::size_t size) {
        const std::size_t n = text.copy(buffer, std::min(size, piece));
        text.remove_prefix(n);
        return n;
    };
}

// The records of a table.
inline std::vector<std::vector<std::string>> records(std::string_view table) {
    CsvReader reader(from(table));
    std::vector<std::vector<std::string>> read;
    while (reader.next() == CsvReader::Status::Record)
        read.emplace_back(reader.fields().begin(), reader.fields().end());
    return read;
}

} // namespace orbel
