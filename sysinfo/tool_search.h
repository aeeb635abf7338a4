#pragma once

#include <optional>
#include <string>

namespace orbel {

// Which system-information tool this system has, if any: its path, or
// nothing. Each system answers in its own way (the Windows registry, a Linux
// desktop's search path); the launcher only asks.
class ToolSearch {
public:
    virtual ~ToolSearch() = default;
    virtual std::optional<std::string> findTool() = 0;
};

} // namespace orbel
