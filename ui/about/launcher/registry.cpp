#include "registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orbel {
namespace {

std::string folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

void InMemoryRegistry::setValue(Handle root, const std::string& path, const std::string& name,
                                std::uint32_t type, std::vector<unsigned char> data) {
    keys_[{root, folded(path)}][folded(name)] = Value{type, std::move(data)};
}

long InMemoryRegistry::openKey(Handle root, const std::string& path, std::uint32_t, std::uint32_t,
                               Handle& key) {
    const auto found = keys_.find({root, folded(path)});
    if (found == keys_.end())
        return kFileNotFound;
    key = nextHandle_++;
    open_.emplace(key, found->first);
    return kSuccess;
}

long InMemoryRegistry::queryValue(Handle key, const std::string& name, std::uint32_t& type,
                                  unsigned char* data, std::uint32_t& size) {
    const auto handle = open_.find(key);
    if (handle == open_.end())
        return kInvalidHandle;
    const auto& values = keys_.at(handle->second);
    const auto value = values.find(folded(name));
    if (value == values.end())
        return kFileNotFound;
    const auto length = static_cast<std::uint32_t>(value->second.data.size());
    type = value->second.type;
    if (length > size) {
        size = length;
        return kMoreData;
    }
    if (length > 0)
        std::memcpy(data, value->second.data.data(), length);
    size = length;
    return kSuccess;
}

long InMemoryRegistry::closeKey(Handle key) {
    return open_.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

#ifdef _WIN32

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

#endif

} // namespace orbel
