// GetKeyValue over a value of any type, size and bytes in the in-memory
// registry. Input: four bytes of value type (little-endian), one byte of how
// the value is asked for, then the value's bytes.
//
// It never reads or writes outside its buffer (AddressSanitizer watches),
// closes every key it opened on every road, and answers as its rules say: a
// missing key or value and a value too large for the buffer are a false
// result with empty text, no bytes at all a run-time error, a string its
// bytes without the closing NUL, a number its decimal value, any other type
// leaves the text alone. The whole launcher then ends in its one message.
#include "fake_boxes.h"
#include "fuzz_check.h"
#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"
#include "ui/about/launcher/sys_info_launcher.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string kKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kValue = "PATH";
constexpr std::size_t kBufferSize = 1024;

// How the fuzzed input asks for the value.
enum Ask : std::uint8_t {
    kOtherCase = 1,    // key and value name in other letter case: still found
    kMissingValue = 2, // a value name the key does not hold
    kMissingKey = 4,   // a key that does not exist
    kTextBefore = 8,   // KeyVal holds text before the call
};

class CountingRegistry : public orbel::InMemoryRegistry {
public:
    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override {
        const long status = InMemoryRegistry::openKey(root, path, options, access, key);
        if (status == kSuccess)
            ++open;
        return status;
    }
    long closeKey(Handle key) override {
        if (InMemoryRegistry::closeKey(key) == kSuccess)
            --open;
        return kSuccess;
    }
    int open = 0; // keys opened and not yet closed
};

class RefusingStarter : public orbel::ProgramStarter {
public:
    void start(const std::string& path) override {
        started.push_back(path);
        throw orbel::RunTimeError(orbel::ErrorCode::FileNotFound);
    }
    std::vector<std::string> started;
};

std::string lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// What a number value reads as: its bytes, least significant first, as an
// unsigned decimal while there are one to four of them; otherwise "&h" and
// their hexadecimal digits, most significant first, as they are.
std::string numberText(const std::vector<unsigned char>& bytes) {
    if (!bytes.empty() && bytes.size() <= 4) {
        std::uint32_t value = 0;
        for (std::size_t i = bytes.size(); i-- > 0;)
            value = (value << 8) | bytes[i];
        std::array<char, 12> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        return {digits.data(), end.ptr};
    }
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string text = "&h";
    for (std::size_t i = bytes.size(); i-- > 0;) {
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    std::uint32_t type = 0;
    std::memcpy(&type, data, sizeof type);
    const std::uint8_t ask = data[4];
    const std::vector<unsigned char> bytes(data + 5, data + size);

    CountingRegistry registry;
    registry.setValue(orbel::Registry::kLocalMachine, kKey, kValue, type, bytes);
    RefusingStarter starter;
    orbel::testing::FakeBoxes boxes;
    orbel::SysInfoLauncher launcher(registry, starter, boxes);

    const std::string key = (ask & kMissingKey)  ? kKey + "\\Missing"
                            : (ask & kOtherCase) ? lowered(kKey)
                                                 : kKey;
    const std::string name = (ask & kMissingValue) ? "MISSING"
                             : (ask & kOtherCase)  ? lowered(kValue)
                                                   : kValue;
    const std::string before = (ask & kTextBefore) ? "text before" : "";
    std::string text = before;
    bool found = false;
    bool invalidCall = false;
    try {
        found = launcher.GetKeyValue(orbel::Registry::kLocalMachine, key, name, text);
    } catch (const orbel::RunTimeError& error) {
        FUZZ_CHECK(error.code() == orbel::ErrorCode::InvalidCall);
        invalidCall = true;
    }
    FUZZ_CHECK(registry.open == 0);

    const bool present = (ask & (kMissingKey | kMissingValue)) == 0;
    // A value that fills the buffer without a closing NUL may have been cut.
    const bool fits =
        bytes.size() < kBufferSize || (bytes.size() == kBufferSize && bytes.back() == 0);
    if (!present || !fits) {
        FUZZ_CHECK(!found && !invalidCall && text.empty());
    } else if (bytes.empty()) {
        FUZZ_CHECK(invalidCall);
    } else {
        FUZZ_CHECK(found);
        std::vector<unsigned char> trimmed = bytes;
        if (trimmed.back() == 0)
            trimmed.pop_back();
        if (type == orbel::Registry::kString)
            FUZZ_CHECK(text == std::string(trimmed.begin(), trimmed.end()));
        else if (type == orbel::Registry::kNumber && before.empty())
            FUZZ_CHECK(text == numberText(trimmed));
        else if (type != orbel::Registry::kNumber)
            FUZZ_CHECK(text == before);
    }

    // Nothing can be started here, so every road ends in the one message; a
    // string read from the first key is what it tried to start.
    launcher.StartSysInfo();
    FUZZ_CHECK(registry.open == 0);
    FUZZ_CHECK(boxes.messages.size() == 1 &&
               boxes.messages.front().text == orbel::kSysInfoUnavailable);
    if (fits && !bytes.empty()) {
        FUZZ_CHECK(starter.started.size() == 1);
        if (type == orbel::Registry::kString)
            FUZZ_CHECK(starter.started.front() ==
                       std::string(bytes.begin(), bytes.end() - (bytes.back() == 0 ? 1 : 0)));
    } else {
        FUZZ_CHECK(starter.started.empty());
    }
    return 0;
}
