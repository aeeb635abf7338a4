// GetKeyValue and StartSysInfo over a value of any type and any bytes in the
// in-memory registry. Input: four bytes of value type (little-endian), then
// the value's bytes. Whatever the value, the reads stay inside their buffer
// (AddressSanitizer watches), every key opened is closed, a lookup that fails
// leaves no text, a string read is the value's own bytes (less a closing
// NUL), and StartSysInfo, when nothing can start, ends in the one message.
#include "fuzz_check.h"
#include "runtime/program_starter.h"
#include "support/fakes.h"
#include "support/in_memory_registry.h"
#include "sysinfo/sys_info_launcher.h"
#include "sysinfo/tool_locations.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

class NoStarter : public orbel::ProgramStarter {
    void start(const std::string&) override {
        throw orbel::RunTimeError(orbel::ErrorCode::FileNotFound);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    std::uint32_t type = 0;
    std::memcpy(&type, data, sizeof type);
    const std::string bytes(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::string key(orbel::kToolPath.key), name(orbel::kToolPath.value);
    orbel::testing::InMemoryRegistry registry;
    registry.setValue(key, name, type, {bytes.begin(), bytes.end()});
    NoStarter starter;
    orbel::testing::FakeBoxes boxes;
    orbel::SysInfoLauncher launcher(registry, starter, boxes);
    std::string text;
    bool found = false;
    orbel::testing::raised(
        [&] { found = launcher.GetKeyValue(orbel::Registry::kLocalMachine, key, name, text); });
    FUZZ_CHECK(registry.openKeys == 0 && (found || text.empty()));
    if (found && type == orbel::Registry::kString)
        FUZZ_CHECK(text == bytes || text + '\0' == bytes);
    launcher.StartSysInfo();
    FUZZ_CHECK(boxes.messages.size() == 1 && registry.openKeys == 0);
    return 0;
}
