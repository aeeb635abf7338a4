#pragma once

#include "tool_search.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// A Linux desktop's system-information tool: the first of the known tools
// (ORBEL_DESKTOP_SYSINFO_TOOLS in sysinfo/CMakeLists.txt, in their order)
// found along the search path, each looked for in every folder before the
// next. Only absolute folders count: an empty or relative entry would pick a
// program out of whatever folder the calculator was started in. A candidate
// is an ordinary file (after links) that this user may execute; a folder or
// a file without execute rights is passed over.
class PathToolSearch : public ToolSearch {
public:
    // Looks along the PATH of the process's environment as it is at each
    // search, so a tool installed meanwhile is found.
    PathToolSearch() = default;
    // Looks along this search path (folders separated by ':') instead.
    explicit PathToolSearch(std::string searchPath)
        : searchPath_(std::move(searchPath)) {}

    std::optional<std::string> findTool() override;

private:
    std::optional<std::string> searchPath_;
};

} // namespace orbel
