// GetKeyValue over a value of any type, size and bytes in the in-memory
// registry. Input: four bytes of value type (little-endian), one byte of how
// it is asked for (1 other letter case, 2 a missing value, 4 a missing key,
// 8 text in KeyVal before), then the value's bytes. It stays inside its
// buffer (AddressSanitizer watches), closes every key it opens, and answers:
// missing or too large is false with empty text, no bytes a run-time error,
// a string its bytes less the closing NUL, a number of up to four bytes its
// decimal value (but a lone zero byte, its closing NUL taken off, leaves "&h"),
// any other type the text as it was; StartSysInfo then ends
// in the one message.
#include "fuzz_check.h"
#include "runtime/program_starter.h"
#include "support/fakes.h"
#include "support/in_memory_registry.h"
#include "sysinfo/sys_info_launcher.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Whatever the value names, nothing starts.
class NoStarter : public orbel::ProgramStarter {
    void start(const std::string&) override {
        throw orbel::RunTimeError(orbel::ErrorCode::FileNotFound);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    std::uint32_t type = 0;
    std::memcpy(&type, data, sizeof type);
    const std::uint8_t ask = data[4];
    const std::string bytes(reinterpret_cast<const char*>(data + 5), size - 5);
    const std::string key = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)",
                      lower = R"(software\microsoft\shared tools\msinfo)";
    orbel::testing::InMemoryRegistry registry;
    registry.setValue(orbel::Registry::kLocalMachine, key, "PATH", type,
                      {bytes.begin(), bytes.end()});
    NoStarter starter;
    orbel::testing::FakeBoxes boxes;
    orbel::SysInfoLauncher launcher(registry, starter, boxes);
    const std::string before = (ask & 8) ? "before" : "";
    std::string text = before;
    bool found = false;
    const std::string asked = (ask & 4) ? "SOFTWARE" : (ask & 1) ? lower : key;
    const std::string name = (ask & 2) ? "OTHER" : (ask & 1) ? "path" : "PATH";
    const auto error = orbel::testing::raised(
        [&] { found = launcher.GetKeyValue(orbel::Registry::kLocalMachine, asked, name, text); });
    std::uint32_t number = 0;
    std::memcpy(&number, bytes.data(), std::min<std::size_t>(bytes.size(), 4));
    FUZZ_CHECK(registry.openKeys() == 0);
    if ((ask & 6) || bytes.size() > 1024 || (bytes.size() == 1024 && bytes.back() != '\0'))
        FUZZ_CHECK(!error && !found && text.empty());
    else if (bytes.empty())
        FUZZ_CHECK(error == orbel::ErrorCode::InvalidCall);
    else if (type == 1 /* REG_SZ, as every registry numbers it; REG_DWORD is 4 */)
        FUZZ_CHECK(found && text == bytes.substr(0, bytes.size() - (bytes.back() == '\0' ? 1 : 0)));
    else if (type == 4 && bytes.size() <= 4 && bytes != std::string(1, '\0') && before.empty())
        FUZZ_CHECK(found && text == std::to_string(number));
    else if (type != 4)
        FUZZ_CHECK(found && text == before);
    launcher.StartSysInfo();
    FUZZ_CHECK(boxes.messages.size() == 1 && registry.openKeys() == 0);
    return 0;
}
