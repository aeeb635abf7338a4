#include "in_memory_registry.h"

namespace orbel::testing {

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

} // namespace orbel::testing
