#include "registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include "runtime/file_exists.h"

#include <cstdlib>
#include <unistd.h>
#endif

namespace orbel {
namespace {

#ifndef _WIN32
const std::string kToolPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
#endif

std::string folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Hands one stored value to a query: its type always; its bytes and size
// when they fit the caller's buffer, otherwise only the size it needs.
long answerQuery(std::uint32_t storedType, const std::vector<unsigned char>& bytes,
                 std::uint32_t& type, unsigned char* data, std::uint32_t& size) {
    const auto length = static_cast<std::uint32_t>(bytes.size());
    type = storedType;
    if (length > size) {
        size = length;
        return Registry::kMoreData;
    }
    if (length > 0)
        std::memcpy(data, bytes.data(), length);
    size = length;
    return Registry::kSuccess;
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
    return answerQuery(value->second.type, value->second.data, type, data, size);
}

long InMemoryRegistry::closeKey(Handle key) {
    return open_.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

#ifndef _WIN32

std::string DesktopRegistry::findTool(std::string_view searchPath) {
    std::vector<std::string> folders;
    for (std::size_t start = 0; start <= searchPath.size();) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos)
            end = searchPath.size();
        std::string folder(searchPath.substr(start, end - start));
        if (!folder.empty() && folder.front() == '/') {
            if (folder.back() != '/')
                folder += '/';
            folders.push_back(std::move(folder));
        }
        start = end + 1;
    }
    for (const std::string_view tool : kToolNames)
        for (const std::string& folder : folders) {
            std::string candidate = folder;
            candidate += tool;
            if (isOrdinaryFile(candidate) && access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
    return {};
}

long DesktopRegistry::openKey(Handle root, const std::string& path, std::uint32_t, std::uint32_t,
                              Handle& key) {
    if (root != kLocalMachine || folded(path) != folded(kToolPathKey))
        return kFileNotFound;
    std::string tool;
    if (searchPath_) {
        tool = findTool(*searchPath_);
    } else if (const char* environment = std::getenv("PATH")) {
        tool = findTool(environment);
    }
    if (tool.empty())
        return kFileNotFound;
    key = nextHandle_++;
    open_.emplace(key, std::move(tool));
    return kSuccess;
}

long DesktopRegistry::queryValue(Handle key, const std::string& name, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) {
    const auto handle = open_.find(key);
    if (handle == open_.end())
        return kInvalidHandle;
    if (folded(name) != "path")
        return kFileNotFound;
    std::vector<unsigned char> text(handle->second.begin(), handle->second.end());
    text.push_back(0); // stored as a string with its NUL, as the system stores one
    return answerQuery(kString, text, type, data, size);
}

long DesktopRegistry::closeKey(Handle key) {
    return open_.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

#endif

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
