#pragma once

#include <cstdint>
#include <map>
#include <string>
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

// A registry kept in memory: empty in the program wherever the system has
// none, so that every lookup fails; tests fill it. Key paths and value names
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
