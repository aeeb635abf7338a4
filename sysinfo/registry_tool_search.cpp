// The Windows tool search: the registry's two keys, read for reading only.
#include "registry_tool_search.h"

#include "file_exists.h"
#include "registry.h"
#include "runtime/run_time_error.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orbel {
namespace {

// The tool's file in the folder that the second key names. Where the folder
// is one of this system's, it is joined with this system's separator.
#ifdef _WIN32
const std::string kToolFile = "\\MSINFO32.EXE";
#else
const std::string kToolFile = "/MSINFO32.EXE";
#endif

constexpr std::uint32_t kBufferSize = 1024;

// Closes an opened key on every road out, errors included.
class OpenKey {
public:
    explicit OpenKey(Registry& registry)
        : registry_(registry) {}
    ~OpenKey() {
        if (handle != 0)
            registry_.closeKey(handle); // its status is of no use
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    Registry::Handle handle = 0;

private:
    Registry& registry_;
};

} // namespace

std::optional<std::string> RegistryToolSearch::readValue(const ToolLocation& location) {
    OpenKey key(registry_);
    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (registry_.openKey(Registry::kLocalMachine, std::string(location.key), 0,
                          Registry::kReadRights, key.handle) != Registry::kSuccess ||
        registry_.queryValue(key.handle, std::string(location.value), type, buffer.data(), size) !=
            Registry::kSuccess ||
        size > kBufferSize || (size == kBufferSize && buffer[size - 1] != 0)) {
        // A value that fills the whole buffer with no NUL at its end may have
        // been cut short: Windows hands such a string back unterminated, Wine
        // asks for one byte more. Both count as too large, so every registry
        // gives the same answer.
        return std::nullopt;
    }

    // The value's last byte ends it when it is a NUL. A value of no bytes has
    // no last byte to look at: that is an invalid call.
    if (size == 0)
        throw RunTimeError(ErrorCode::InvalidCall);
    const std::size_t length = buffer[size - 1] == 0 ? size - 1 : size;
    std::string trimmed(reinterpret_cast<const char*>(buffer.data()), length);

    // A value of any other type (a number among them: no full path either)
    // reads as no text.
    return type == Registry::kString ? trimmed : std::string();
}

std::optional<std::string> RegistryToolSearch::findTool() {
    try {
        std::optional<std::string> tool = readValue(kToolPath);
        if (!tool) {
            const std::optional<std::string> folder = readValue(kToolFolder);
            if (!folder)
                return std::nullopt;
            tool = *folder + kToolFile;
        }
        // Anything but a full path (a number, a bare name, a relative folder)
        // would be looked for from whatever folder the program was started
        // in, and another file of that name started.
        if (!isFullPath(*tool) || !isOrdinaryFile(*tool))
            return std::nullopt;
        return tool;
    } catch (const RunTimeError&) {
        return std::nullopt; // a value of no bytes ends the search
    }
}

} // namespace orbel
