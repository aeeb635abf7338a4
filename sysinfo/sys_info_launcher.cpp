#include "sys_info_launcher.h"

#include "runtime/boxes.h"
#include "runtime/file_exists.h"
#include "runtime/general_format.h"
#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"
#include "tool_locations.h"

#include <array>
#include <cstdint>

namespace orbel {
namespace {

// The tool's file in the folder that the second key names. Where the folder
// is one of this system's, it is joined with this system's separator.
#ifdef _WIN32
const std::string kToolFile = "\\MSINFO32.EXE";
#else
const std::string kToolFile = "/MSINFO32.EXE";
#endif

constexpr std::uint32_t kAllKeyRights = 0x2003F; // read control and all six key rights
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

// The hexadecimal digits of a number's bytes, the most significant first.
std::string hexDigits(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        const auto value = static_cast<unsigned char>(bytes[i]);
        digits += kDigits[value >> 4];
        digits += kDigits[value & 0x0F];
    }
    return digits;
}

} // namespace

bool SysInfoLauncher::GetKeyValue(Registry::Handle KeyRoot, const std::string& KeyName,
                                  const std::string& SubKeyRef, std::string& KeyVal) {
    OpenKey key(registry_);
    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (registry_.openKey(KeyRoot, KeyName, 0, kAllKeyRights, key.handle) != Registry::kSuccess ||
        registry_.queryValue(key.handle, SubKeyRef, type, buffer.data(), size) !=
            Registry::kSuccess ||
        size > kBufferSize || (size == kBufferSize && buffer[size - 1] != 0)) {
        // A value that fills the whole buffer with no NUL at its end may have
        // been cut short: Windows hands such a string back unterminated, Wine
        // asks for one byte more. Both count as too large, so every registry
        // gives the same answer.
        KeyVal.clear();
        return false;
    }

    // The value's last byte ends it when it is a NUL. A value of no bytes has
    // no last byte to look at: that is an invalid call, by design.
    if (size == 0)
        throw RunTimeError(ErrorCode::InvalidCall);
    const std::size_t length = buffer[size - 1] == 0 ? size - 1 : size;
    const std::string trimmed(reinterpret_cast<const char*>(buffer.data()), length);

    if (type == Registry::kString)
        KeyVal = trimmed;
    else if (type == Registry::kNumber)
        KeyVal = formatGeneral("&h" + KeyVal + hexDigits(trimmed));
    return true;
}

void SysInfoLauncher::StartSysInfo() {
    try {
        std::string toolPath;
        if (!GetKeyValue(Registry::kLocalMachine, std::string(kToolPath.key),
                         std::string(kToolPath.value), toolPath)) {
            if (!GetKeyValue(Registry::kLocalMachine, std::string(kToolFolder.key),
                             std::string(kToolFolder.value), toolPath) ||
                !isOrdinaryFile(toolPath + kToolFile))
                throw RunTimeError(ErrorCode::FileNotFound);
            toolPath += kToolFile;
        }
        starter_.start(toolPath);
        return;
    } catch (const RunTimeError&) {
        // Every failure on the way ends here, in the one message.
    }
    boxes_.messageBox(kSysInfoUnavailable);
}

} // namespace orbel
