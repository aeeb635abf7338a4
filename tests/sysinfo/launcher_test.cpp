#include "runtime/file_exists.h"
#include "runtime/program_starter.h"
#include "support/fakes.h"
#include "support/in_memory_registry.h"
#include "sysinfo/sys_info_launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#ifdef _WIN32
#include "sysinfo/windows_registry.h"

#include <windows.h>
#endif

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
    std::uint32_t type; // 0: no value
    std::vector<unsigned char> bytes;
};
Value sz(const std::string& text, bool nul = true, std::uint32_t type = Registry::kString) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    if (nul)
        bytes.push_back(0);
    return {type, bytes};
}

// The registry layers of this system, each with the launcher's two values.
std::vector<std::unique_ptr<Registry>> layersHolding(const Value& path, const Value& folder) {
    std::vector<std::unique_ptr<Registry>> layers;
    auto memory = std::make_unique<InMemoryRegistry>();
    const std::tuple<std::string, const char*, Value> values[] = {{kPathKey, "PATH", path},
                                                                  {kFolderKey, "MSINFO", folder}};
    for (const auto& [key, name, value] : values)
        if (value.type)
            memory->setValue(Registry::kLocalMachine, key, name, value.type, value.bytes);
    layers.push_back(std::move(memory));
#ifdef _WIN32
    // The real registry, only in Wine's scratch prefix: never a real system's keys.
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return layers;
    for (const auto& [key, name, value] : values) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
        HKEY handle = nullptr;
        if (value.type &&
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &handle, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(handle, name, 0, value.type, value.bytes.data(),
                           static_cast<DWORD>(value.bytes.size()));
            RegCloseKey(handle);
        }
    }
    layers.push_back(std::make_unique<WindowsRegistry>());
#endif
    return layers;
}

// Like the system's, it cannot start a path that names no ordinary file.
class Recording : public ProgramStarter {
public:
    void start(const std::string& path) override {
        started = isOrdinaryFile(path) ? path : throw RunTimeError(ErrorCode::FileNotFound);
    }
    std::string started;
};

TEST(SysInfoLauncher, FindsTheToolThroughEitherKeyOrSaysItIsUnavailable) {
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    fs::create_directories(root / "holding");
    fs::create_directories(root / "empty");
    const std::string tool = (root / "tool.exe").string(),
                      inFolder = (root / "holding" / "MSINFO32.EXE").string();
    std::ofstream(tool) << "tool";
    std::ofstream(inFolder) << "tool";
    const Value none{0, {}}, zero{Registry::kString, {}}, number{Registry::kNumber, {1, 0, 0, 0}},
        holding = sz((root / "holding").string());
    // clang-format off
    const struct { const char* name; Value path, folder; std::string started; } rows[] = {
        {"neither key",                  none,                                      none,                       ""},
        {"first names the program",      sz(tool),                                  none,                       tool},
        {"first without its NUL",        sz(tool, false),                           none,                       tool},
        {"second names the folder",      none,                                      holding,                    inFolder},
        {"folder without the tool",      none,                                      sz((root / "empty").string()), ""},
        {"first names a missing file",   sz(tool + ".x"),                           holding,                    ""},
        {"first is empty",               sz(""),                                    holding,                    ""},
        {"first is expandable",          sz(tool, true, Registry::kExpandString),    holding,                    ""},
        {"first has zero bytes",         zero,                                      holding,                    ""},
        {"first is a number",            number,                                    none,                       ""},
        {"first over 1024 bytes",        sz(std::string(1100, 'x')),                holding,                    inFolder},
        {"first fills 1024 without NUL", sz(std::string(1024, 'x'), false),         holding,                    inFolder},
        {"second has zero bytes",        none,                                      zero,                       ""}};
    // clang-format on
    for (const auto& row : rows) {
        for (const auto& layer : layersHolding(row.path, row.folder)) {
            Recording starter;
            FakeBoxes boxes;
            SysInfoLauncher(*layer, starter, boxes).StartSysInfo();
            EXPECT_EQ(starter.started + "|" + (boxes.messages.size() == 1 ? boxes.messages[0] : ""),
                      row.started.empty() ? "|System Information Is Unavailable At This Time|"
                                          : row.started + "|")
                << row.name;
        }
    }
    fs::remove_all(root);
}

} // namespace
} // namespace orbel::testing
