#pragma once

#include "sysinfo/registry.h"

#include <map>
#include <string>
#include <utility>

namespace orbel::testing {

// A registry kept in memory under HKEY_LOCAL_MACHINE, which tests fill with
// values by key path and value name.
class InMemoryRegistry : public Registry {
public:
    void setValue(const std::string& path, const std::string& name, std::uint32_t type,
                  std::string bytes) {
        keys_[folded(path)][folded(name)] = {type, std::move(bytes)};
    }
    long openKey(Handle root, const std::string& path, std::uint32_t, std::uint32_t,
                 Handle& key) override {
        if (root != kLocalMachine || !keys_.count(folded(path)))
            return kFileNotFound;
        open_ = folded(path);
        key = 1;
        ++openKeys;
        return kSuccess;
    }
    long queryValue(Handle, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        const auto& values = keys_.at(open_);
        const auto value = values.find(folded(name));
        return value == values.end()
                   ? kFileNotFound
                   : answerQuery(value->second.first, value->second.second, type, data, size);
    }
    long closeKey(Handle) override { return --openKeys, kSuccess; }

    int openKeys = 0; // opened and not yet closed

private:
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys_;
    std::string open_; // the key the launcher opened last
};

} // namespace orbel::testing
