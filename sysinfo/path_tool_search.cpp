// The Linux desktop's tool search along the search path.
#include "path_tool_search.h"

#include "file_exists.h"
#include "sysinfo/desktop_tools.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace orbel {

std::optional<std::string> PathToolSearch::findTool() {
    const char* environment = std::getenv("PATH");
    const std::string searchPath = searchPath_ ? *searchPath_ : environment ? environment : "";
    std::vector<std::string> folders;
    for (std::string_view rest = searchPath;;) {
        const std::size_t end = rest.find(':');
        std::string folder(rest.substr(0, end));
        if (!folder.empty() && folder.front() == '/') {
            if (folder.back() != '/')
                folder += '/';
            folders.push_back(std::move(folder));
        }
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    for (const std::string_view tool : kToolNames)
        for (const std::string& folder : folders) {
            std::string candidate = folder;
            candidate += tool;
            if (isOrdinaryFile(candidate) && access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
    return std::nullopt;
}

} // namespace orbel
