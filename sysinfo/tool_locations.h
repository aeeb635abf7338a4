#pragma once

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

} // namespace orbel
