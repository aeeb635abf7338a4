#pragma once

#include "cli/csv.h"

#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// The records of a table.
inline std::vector<std::vector<std::string>> records(std::string_view table) {
    CsvReader reader([&](char* buffer, std::size_t size) {
        const std::size_t n = table.copy(buffer, size);
        table.remove_prefix(n);
        return n;
    });
    std::vector<std::vector<std::string>> read;
    while (reader.next() == CsvReader::Status::Record)
        read.emplace_back(reader.fields().begin(), reader.fields().end());
    return read;
}

} // namespace orbel
