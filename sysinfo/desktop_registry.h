#pragma once

#include "registry.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// The registry of a Linux desktop, read only. It holds one value: "PATH" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, the absolute
// path of this desktop's system-information tool, looked up afresh each time
// the key is opened. The tools (ORBEL_DESKTOP_SYSINFO_TOOLS in
// sysinfo/CMakeLists.txt) are tried in their order, each along the whole
// search path before the next; all start with no arguments. Only absolute
// folders of the search path count: an empty or relative entry would pick a
// program out of whatever folder the calculator was started in.
// A candidate is an ordinary file (after links) that this user may execute;
// a folder or a file without execute rights is passed over. With no tool the
// key does not exist, so both of the launcher's lookups fail.
class DesktopRegistry : public Registry {
public:
    // Looks along the PATH of the process's environment as it is when the key
    // is opened: nothing is looked up before then.
    DesktopRegistry() = default;
    // Looks along this search path (folders separated by ':') instead.
    explicit DesktopRegistry(std::string searchPath)
        : searchPath_(std::move(searchPath)) {}

    // The first tool along the search path, or "" when there is none.
    static std::string findTool(std::string_view searchPath);

    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override;
    long queryValue(Handle key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Handle key) override;

private:
    static constexpr Handle kOpenKey = 1; // the one key, while it is open

    std::optional<std::string> searchPath_;
    std::string tool_; // what the open key holds
};

} // namespace orbel
