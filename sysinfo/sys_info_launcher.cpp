// System Info's launcher: the tool the search finds, started.
#include "sys_info_launcher.h"

#include "program_starter.h"
#include "runtime/run_time_error.h"
#include "tool_search.h"

#include <optional>
#include <string>

namespace orbel {

bool SysInfoLauncher::start() {
    const std::optional<std::string> tool = search_.findTool();
    if (!tool || tool->empty())
        return false;
    try {
        starter_.start(*tool);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

} // namespace orbel
