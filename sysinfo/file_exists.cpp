// The file test: whether a path names an ordinary file.
#include "file_exists.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace orbel {

bool isOrdinaryFile(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

} // namespace orbel
