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
#endif

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kUnavailable = "System Information Is Unavailable At This Time", z(1, '\0');
const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());

// What pressing System Info does: the program it starts (as the system's
// starter would, only an ordinary file), then what it says.
std::string pressSysInfo(Registry& registry) {
    struct : ProgramStarter {
        void start(const std::string& path) override {
            started = isOrdinaryFile(path) ? path : throw RunTimeError(ErrorCode::FileNotFound);
        }
        std::string started;
    } starter;
    FakeBoxes boxes;
    SysInfoLauncher(registry, starter, boxes).StartSysInfo();
    for (const std::string& message : boxes.messages)
        starter.started += message;
    return starter.started;
}

// Both values (type 0: none) in every registry layer this system has: in
// memory, and under Wine the real one of the scratch prefix.
TEST(SysInfoLauncher, FindsTheToolThroughEitherKeyOrSaysItIsUnavailable) {
    const std::string tool = (root / "tool").string(), folder = (root / "f").string(),
                      inFolder = (root / "f" / "MSINFO32.EXE").string();
    fs::create_directories(folder);
    std::ofstream(tool) << "x";
    std::ofstream(inFolder) << "x";
    using Value = std::pair<std::uint32_t, std::string>;
    const Value none, x1024(1, std::string(1024, 'x'));
    const struct {
        Value path, folder;
        std::string shows;
    } rows[] = {{none, none, kUnavailable},
                {{1, tool + z}, {1, folder + z}, tool},
                {{1, tool}, none, tool}, // no closing NUL
                {none, {1, folder + z}, inFolder},
                {none, {1, root.string()}, kUnavailable},
                {{1, tool + "x"}, {1, folder}, kUnavailable},
                {{1, z}, {1, folder}, kUnavailable},
                {{Registry::kExpandString, tool}, {1, folder}, kUnavailable},
                {{1, ""}, {1, folder}, kUnavailable},
                {{Registry::kNumber, {"\1\0\0\0", 4}}, none, kUnavailable},
                {{1, x1024.second + z}, {1, folder}, inFolder},
                {x1024, {1, folder}, inFolder}};
    for (const auto& row : rows) {
        InMemoryRegistry memory;
        const std::pair<ToolLocation, Value> values[] = {{kToolPath, row.path},
                                                         {kToolFolder, row.folder}};
        for (const auto& [at, value] : values)
            if (value.first)
                memory.setValue(std::string(at.key), std::string(at.value), value.first,
                                value.second);
        EXPECT_EQ(pressSysInfo(memory), row.shows) << row.path.second.substr(0, 80);
        EXPECT_EQ(memory.openKeys, 0); // every key opened is closed
#ifdef _WIN32
        const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
            continue; // never a real system's keys
        for (const auto& [at, value] : values) {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(at.key).c_str());
            if (value.first)
                RegSetKeyValueA(HKEY_LOCAL_MACHINE, std::string(at.key).c_str(),
                                std::string(at.value).c_str(), value.first, value.second.data(),
                                static_cast<DWORD>(value.second.size()));
        }
        WindowsRegistry system;
        EXPECT_EQ(pressSysInfo(system), row.shows) << row.path.second.substr(0, 80);
#endif
    }
    fs::remove_all(root);
}

#ifndef _WIN32
// On a desktop the tool is the first of the known ones along the search path,
// tool by tool; folders, files that cannot run and relative entries are
// passed over, and the path is one file name, whatever it holds.
TEST(SysInfoLauncher, FindsTheDesktopsFirstToolAlongTheSearchPath) {
    const std::string a = (root / "a").string(), b = (root / "b; touch pwned & 'q'").string();
    fs::create_directories(a + "/kinfocenter");
    fs::create_directories(b);
    for (const std::string& tool :
         {a + "/hardinfo", a + "/cpu-x", b + "/hardinfo", b + "/kinfocenter"}) {
        std::ofstream(tool) << "x";
        fs::permissions(tool, tool == a + "/hardinfo" ? fs::perms::none : fs::perms::owner_all);
    }
    const std::pair<std::string, std::string> rows[] = {
        {"", kUnavailable},
        {root.string(), kUnavailable},
        {a, a + "/cpu-x"},
        {a + ":" + b, b + "/hardinfo"},
        {"::" + a + "/:" + b + "/", b + "/hardinfo"},
        {fs::relative(b).string() + ":.", kUnavailable}};
    for (const auto& [path, shows] : rows) {
        DesktopRegistry registry(path);
        EXPECT_EQ(pressSysInfo(registry), shows) << path;
    }
    fs::remove_all(root);
}
#endif

} // namespace
} // namespace orbel::testing
