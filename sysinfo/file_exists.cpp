// The file tests: whether a path names an ordinary file, and names it in full.
#include "file_exists.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace orbel {

bool isOrdinaryFile(const std::string& path) {
    std::error_code error; // an empty path is no file either
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

bool isFullPath(const std::string& path) {
#ifdef _WIN32
    const auto separator = [&path](std::size_t at) {
        return at < path.size() && (path[at] == '\\' || path[at] == '/');
    };
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() > 3 && letter(path[0]) && path[1] == ':' && separator(2))
        return true;
    // \\server\share\file: a server and a share, each named, then the file.
    if (!separator(0) || !separator(1))
        return false;
    const std::size_t share = path.find_first_of("\\/", 2);
    const std::size_t file =
        share == std::string::npos ? share : path.find_first_of("\\/", share + 1);
    return share > 2 && file != std::string::npos && file > share + 1 && file + 1 < path.size();
#else
    return path.starts_with('/');
#endif
}

} // namespace orbel
