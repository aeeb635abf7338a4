#include "desktop_registry.h"

#include "runtime/file_exists.h"
#include "sysinfo/desktop_tools.h"
#include "tool_locations.h"

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace orbel {

std::string DesktopRegistry::findTool(std::string_view searchPath) {
    std::vector<std::string> folders;
    for (std::size_t start = 0; start <= searchPath.size();) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos)
            end = searchPath.size();
        std::string folder(searchPath.substr(start, end - start));
        if (!folder.empty() && folder.front() == '/') {
            if (folder.back() != '/')
                folder += '/';
            folders.push_back(std::move(folder));
        }
        start = end + 1;
    }
    for (const std::string_view tool : kToolNames)
        for (const std::string& folder : folders) {
            std::string candidate = folder;
            candidate += tool;
            if (isOrdinaryFile(candidate) && access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
    return {};
}

long DesktopRegistry::openKey(Handle root, const std::string& path, std::uint32_t, std::uint32_t,
                              Handle& key) {
    if (root != kLocalMachine || folded(path) != folded(std::string(kToolPath.key)))
        return kFileNotFound;
    const char* environment = std::getenv("PATH");
    tool_ = findTool(searchPath_ ? *searchPath_ : environment ? environment : "");
    if (tool_.empty())
        return kFileNotFound;
    key = kOpenKey;
    return kSuccess;
}

long DesktopRegistry::queryValue(Handle key, const std::string& name, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) {
    if (key != kOpenKey || tool_.empty())
        return kInvalidHandle;
    if (folded(name) != folded(std::string(kToolPath.value)))
        return kFileNotFound;
    // Stored as a string with its NUL, as the system stores one.
    return answerQuery(kString, {tool_.c_str(), tool_.size() + 1}, type, data, size);
}

long DesktopRegistry::closeKey(Handle) {
    tool_.clear();
    return kSuccess;
}

} // namespace orbel
