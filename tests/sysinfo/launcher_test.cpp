#include "runtime/file_exists.h"
#include "runtime/program_starter.h"
#include "support/fakes.h"
#include "support/in_memory_registry.h"
#include "sysinfo/sys_info_launcher.h"
#include "sysinfo/tool_locations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#ifdef _WIN32
#include "sysinfo/windows_registry.h"

#include <windows.h>
#else
#include "sysinfo/desktop_registry.h"

#include <chrono>
#include <thread>
#endif

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;

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

// The registry layers of this system, each holding the launcher's two values.
std::vector<std::unique_ptr<Registry>> layersHolding(const Value& path, const Value& folder) {
    std::vector<std::unique_ptr<Registry>> layers;
    auto memory = std::make_unique<InMemoryRegistry>();
    const std::pair<ToolLocation, Value> values[] = {{kToolPath, path}, {kToolFolder, folder}};
    for (const auto& [at, value] : values)
        if (value.type)
            memory->setValue(std::string(at.key), std::string(at.value), value.type, value.bytes);
    layers.push_back(std::move(memory));
#ifdef _WIN32
    // The real registry, only in Wine's scratch prefix: never a real system's keys.
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return layers;
    for (const auto& [at, value] : values) {
        const std::string key(at.key), name(at.value);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
        if (value.type)
            RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), value.type,
                            value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
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

const std::string kUnavailable = "System Information Is Unavailable At This Time";

TEST(SysInfoLauncher, FindsTheToolThroughEitherKeyOrSaysItIsUnavailable) {
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    fs::create_directories(root / "holding");
    fs::create_directories(root / "empty");
    const std::string tool = (root / "tool.exe").string(),
                      inFolder = (root / "holding" / "MSINFO32.EXE").string();
    std::ofstream(tool) << "tool";
    std::ofstream(inFolder) << "tool";
    const Value none{0, {}}, zero{Registry::kString, {}}, number{Registry::kNumber, {1, 0, 0, 0}},
        holding = sz((root / "holding").string()), x1024 = sz(std::string(1024, 'x'), false);
    const struct {
        const char* name;
        Value path, folder;
        std::string started;
    } rows[] = {{"neither key", none, none, ""},
                {"first names the program", sz(tool), holding, tool},
                {"first without its NUL", sz(tool, false), none, tool},
                {"second names the folder", none, holding, inFolder},
                {"folder without the tool", none, sz((root / "empty").string()), ""},
                {"first names a missing file", sz(tool + ".x"), holding, ""},
                {"first is empty", sz(""), holding, ""},
                {"first is expandable", sz(tool, true, Registry::kExpandString), holding, ""},
                {"first has zero bytes", zero, holding, ""},
                {"first is a number", number, none, ""},
                {"first over 1024 bytes", sz(std::string(1024, 'x')), holding, inFolder},
                {"first fills 1024 without NUL", x1024, holding, inFolder}};
    for (const auto& row : rows) {
        for (const auto& layer : layersHolding(row.path, row.folder)) {
            Recording starter;
            FakeBoxes boxes;
            SysInfoLauncher(*layer, starter, boxes).StartSysInfo();
            EXPECT_EQ(starter.started + "|" + (boxes.messages.size() == 1 ? boxes.messages[0] : ""),
                      row.started + "|" + (row.started.empty() ? kUnavailable : ""))
                << row.name;
        }
    }
    fs::remove_all(root);
}

#ifndef _WIN32
// On a desktop the tool is the first of the known ones along the search path,
// tool by tool; folders, files that cannot run and relative entries are
// passed over, and the path is one file name that no shell splits. a:
// hardinfo not executable, kinfocenter a folder, cpu-x; b: hardinfo and
// kinfocenter; c: nothing.
TEST(SysInfoLauncher, StartsTheDesktopsFirstToolAlongTheSearchPath) {
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    const std::string a = (root / "a").string(), b = (root / "b; touch pwned & 'q'").string(),
                      c = (root / "c").string();
    fs::create_directories(a + "/kinfocenter");
    fs::create_directories(b);
    for (const std::string& tool :
         {a + "/hardinfo", a + "/cpu-x", b + "/hardinfo", b + "/kinfocenter"}) {
        std::ofstream(tool) << "#!/bin/sh\necho started > \"$0.marker\"\n";
        fs::permissions(tool,
                        tool == a + "/hardinfo" ? fs::perms::owner_read : fs::perms::owner_all);
    }
    const std::pair<std::string, std::string> rows[] = {{"", ""},
                                                        {c, ""},
                                                        {a, a + "/cpu-x"},
                                                        {a + ":" + b, b + "/hardinfo"},
                                                        {"::" + c + ":" + b + "/", b + "/hardinfo"},
                                                        {fs::relative(b).string() + ":.", ""}};
    for (const auto& [path, started] : rows) {
        DesktopRegistry registry(path);
        SystemProgramStarter starter;
        FakeBoxes boxes;
        SysInfoLauncher(registry, starter, boxes).StartSysInfo();
        for (int waited = 0; !started.empty() && !fs::exists(started + ".marker") && waited < 250;
             ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_TRUE(started.empty() ? boxes.messages == std::vector{kUnavailable}
                                    : fs::remove(started + ".marker"))
            << path;
    }
    EXPECT_FALSE(fs::exists("pwned") || fs::exists(root / "pwned"));
    fs::remove_all(root);
}
#endif

} // namespace
} // namespace orbel::testing
