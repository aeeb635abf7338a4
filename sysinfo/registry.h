#pragma once

#include <cstdint>
#include <string>

namespace orbel {

// The three registry calls the Windows tool search makes, with their
// arguments and status codes: 0 is success, anything else a failure.
class Registry {
public:
    using Handle = std::uintptr_t;
    static constexpr Handle kLocalMachine = 0x80000002;

    static constexpr long kSuccess = 0;

    static constexpr std::uint32_t kString = 1; // REG_SZ

    // KEY_READ: reading only, the right a standard user has under
    // HKEY_LOCAL_MACHINE\SOFTWARE.
    static constexpr std::uint32_t kReadRights = 0x20019;

    virtual ~Registry() = default;
    virtual long openKey(Handle root, const std::string& path, std::uint32_t options,
                         std::uint32_t access, Handle& key) = 0;
    // `size` is the buffer's size on the way in and the value's on the way out.
    virtual long queryValue(Handle key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(Handle key) = 0;
};

} // namespace orbel
