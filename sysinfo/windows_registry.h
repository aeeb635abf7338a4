#pragma once

#include "registry.h"

namespace orbel {

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

} // namespace orbel
