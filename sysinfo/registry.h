#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace orbel {

// The three registry calls the launcher makes, with their arguments and
// status codes: 0 is success, anything else a failure.
class Registry {
public:
    using Handle = std::uintptr_t;
    static constexpr Handle kLocalMachine = 0x80000002;

    static constexpr long kSuccess = 0;
    static constexpr long kFileNotFound = 2;
    static constexpr long kInvalidHandle = 6;
    static constexpr long kMoreData = 234;

    static constexpr std::uint32_t kString = 1;       // REG_SZ
    static constexpr std::uint32_t kExpandString = 2; // REG_EXPAND_SZ
    static constexpr std::uint32_t kNumber = 4;       // REG_DWORD

    virtual ~Registry() = default;
    virtual long openKey(Handle root, const std::string& path, std::uint32_t options,
                         std::uint32_t access, Handle& key) = 0;
    // `size` is the buffer's size on the way in and the value's on the way out.
    virtual long queryValue(Handle key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(Handle key) = 0;
};

// A registry kept in memory, which tests fill. Key paths and value names
// compare without regard to case, as the system's do.
class InMemoryRegistry : public Registry {
public:
    void setValue(Handle root, const std::string& path, const std::string& name, std::uint32_t type,
                  std::vector<unsigned char> data);

    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override;
    long queryValue(Handle key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Handle key) override;

    // Keys opened and not yet closed.
    std::size_t openKeys() const { return open_.size(); }

private:
    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> data;
    };
    using KeyName = std::tuple<Handle, std::string>;
    std::map<KeyName, std::map<std::string, Value>> keys_;
    std::map<Handle, KeyName> open_;
    Handle nextHandle_ = 0x1000;
};

#ifndef _WIN32
// The registry of a Linux desktop, read only. It holds one value: "PATH" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, the absolute
// path of this desktop's system-information tool, looked up afresh each time
// the key is opened. The tools, in the order they are tried, each along the
// whole search path before the next (all start with no arguments):
//   hardinfo      Debian's, GTK
//   hardinfo2     its successor, in newer distributions
//   kinfocenter   KDE's Info Center
//   cpu-x         processor, memory and system, GTK
// Only absolute folders of the search path count: an empty or relative entry
// would pick a program out of whatever folder the calculator was started in.
// A candidate is an ordinary file (after links) that this user may execute;
// a folder or a file without execute rights is passed over. With no tool the
// key does not exist, so both of the launcher's lookups fail.
class DesktopRegistry : public Registry {
public:
    static constexpr std::array<std::string_view, 4> kToolNames = {"hardinfo", "hardinfo2",
                                                                   "kinfocenter", "cpu-x"};

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
    std::optional<std::string> searchPath_;
    std::map<Handle, std::string> open_; // each open key with the tool it found
    Handle nextHandle_ = 0x1000;
};
#endif

#ifdef _WIN32
// The system's registry through advapi32.
class WindowsRegistry : public Registry {
public:
    // The system's key for a handle value. A 64-bit process sees the 32-bit
    // root handles sign-extended, so 0x80000002 is HKEY_LOCAL_MACHINE there
    // only as 0xFFFFFFFF80000002.
    static void* systemKey(Handle handle);

    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override;
    long queryValue(Handle key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Handle key) override;
};
#endif

} // namespace orbel
