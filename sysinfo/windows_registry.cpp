// The system's registry through advapi32, on Windows.
#include "windows_registry.h"

// Compiled only where the system has a registry of its own.
#ifdef _WIN32
#include <windows.h>

namespace orbel {

void* WindowsRegistry::systemKey(Handle handle) {
    if (handle > 0xFFFFFFFFU)
        return reinterpret_cast<void*>(handle);
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(handle));
    return reinterpret_cast<void*>(static_cast<LONG_PTR>(value));
}

long WindowsRegistry::openKey(Handle root, const std::string& path, std::uint32_t options,
                              std::uint32_t access, Handle& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(static_cast<HKEY>(systemKey(root)), path.c_str(), options,
                                      static_cast<REGSAM>(access), &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<Handle>(opened);
    return status;
}

long WindowsRegistry::queryValue(Handle key, const std::string& name, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG status = RegQueryValueExA(static_cast<HKEY>(systemKey(key)), name.c_str(), nullptr,
                                         &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

long WindowsRegistry::closeKey(Handle key) {
    return RegCloseKey(static_cast<HKEY>(systemKey(key)));
}

} // namespace orbel

#endif
