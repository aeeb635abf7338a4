// GetKeyValue over a value of any type, size and bytes: it never reads
// outside its buffer (AddressSanitizer watches), always closes the key, and
// answers as its rules say for the size.
#include "fake_boxes.h"
#include "fuzz_check.h"
#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"
#include "ui/about/launcher/sys_info_launcher.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class CountingRegistry : public orbel::InMemoryRegistry {
public:
    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override {
        const long status = InMemoryRegistry::openKey(root, path, options, access, key);
        opens += status == kSuccess ? 1 : 0;
        return status;
    }
    long closeKey(Handle key) override {
        ++closes;
        return InMemoryRegistry::closeKey(key);
    }
    int opens = 0;
    int closes = 0;
};

class NoStarter : public orbel::ProgramStarter {
public:
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
    const std::vector<unsigned char> bytes(data + 4, data + size);

    CountingRegistry registry;
    registry.setValue(orbel::Registry::kLocalMachine, kKey, "PATH", type, bytes);
    NoStarter starter;
    orbel::testing::FakeBoxes boxes;
    orbel::SysInfoLauncher launcher(registry, starter, boxes);

    std::string value;
    bool found = false;
    bool invalidCall = false;
    try {
        found = launcher.GetKeyValue(orbel::Registry::kLocalMachine, kKey, "PATH", value);
    } catch (const orbel::RunTimeError& error) {
        invalidCall = error.code() == orbel::ErrorCode::InvalidCall;
        FUZZ_CHECK(invalidCall);
    }
    FUZZ_CHECK(registry.closes == registry.opens);
    FUZZ_CHECK(invalidCall == bytes.empty());
    if (bytes.size() > 1024)
        FUZZ_CHECK(!found && value.empty());
    if (found && type == orbel::Registry::kString)
        FUZZ_CHECK(value.size() <= bytes.size() &&
                   std::memcmp(value.data(), bytes.data(), value.size()) == 0);

    // The whole launcher ends in the message, whatever the value holds.
    launcher.StartSysInfo();
    FUZZ_CHECK(boxes.messages.size() == 1);
    return 0;
}
