#pragma once

#include "registry.h"
#include "tool_search.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// Where the registry names the system-information tool, both under
// HKEY_LOCAL_MACHINE, in the order they are tried.
struct ToolLocation {
    std::string_view key;
    std::string_view value;
};
// The tool's own path.
inline constexpr ToolLocation kToolPath{R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH"};
// The folder that holds MSINFO32.EXE.
inline constexpr ToolLocation kToolFolder{R"(SOFTWARE\Microsoft\Shared Tools Location)", "MSINFO"};

// Windows's system-information tool, as the registry names it: the path in
// the first location; failing that, MSINFO32.EXE in the folder the second
// names. Either only when it is a full path (a drive letter's or a share's)
// to an ordinary file. Both keys are opened for reading only, which every
// user may do.
class RegistryToolSearch : public ToolSearch {
public:
    explicit RegistryToolSearch(Registry& registry)
        : registry_(registry) {}

    std::optional<std::string> findTool() override;

private:
    // One value as text, or nothing when its key does not open or the value
    // cannot be read whole. A value of zero bytes is a run-time error.
    std::optional<std::string> readValue(const ToolLocation& location);

    Registry& registry_;
};

} // namespace orbel
