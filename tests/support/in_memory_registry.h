#pragma once

#include "sysinfo/registry.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace orbel::testing {

// A registry kept in memory, which tests fill.
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

} // namespace orbel::testing
