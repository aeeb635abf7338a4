#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

protected:
    // Key paths and value names compare without regard to case, as the
    // system's do.
    static std::string folded(std::string text);
    // Hands one stored value to a query: its type always; its bytes and size
    // when they fit the caller's buffer, otherwise only the size it needs.
    static long answerQuery(std::uint32_t storedType, std::string_view bytes, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size);
};

} // namespace orbel
