#include "support/fakes.h"
#include "sysinfo/file_exists.h"
#include "sysinfo/program_starter.h"
#include "sysinfo/registry_tool_search.h"
#include "sysinfo/sys_info_launcher.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#ifdef _WIN32
#include "sysinfo/windows_registry.h"

#include <windows.h>
#else
#include "sysinfo/path_tool_search.h"
#endif

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kUnavailable = "unavailable", z(1, '\0');
const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());

// HKEY_LOCAL_MACHINE as a standard user has it: a key opens for reading, and
// an open that asks for any other right is refused (access denied).
class StandardUserRegistry : public Registry {
public:
    using Values = std::map<std::string, std::pair<std::uint32_t, std::string>>;
    std::map<std::string, Values> keys;
    int openKeys = 0; // opened and not yet closed

    long openKey(Handle at, const std::string& path, std::uint32_t, std::uint32_t access,
                 Handle& key) override {
        const auto found = keys.find(path);
        if ((access & ~kReadRights) != 0)
            return 5;
        if (at != kLocalMachine || found == keys.end())
            return 2;
        key = reinterpret_cast<Handle>(&found->second);
        return ++openKeys, kSuccess;
    }
    long queryValue(Handle key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        const Values& values = *reinterpret_cast<const Values*>(key);
        const auto value = values.find(name);
        if (value == values.end())
            return 2;
        const auto length = static_cast<std::uint32_t>(value->second.second.size());
        type = value->second.first;
        if (length > size)
            return size = length, 234; // more data
        std::memcpy(data, value->second.second.data(), size = length);
        return kSuccess;
    }
    long closeKey(Handle) override { return --openKeys, kSuccess; }
};

// What pressing System Info starts (as the system's starter would, only an
// ordinary file), or that it is unavailable.
std::string pressSysInfo(ToolSearch&& search) {
    struct : ProgramStarter {
        void start(const std::string& path) override {
            started = isOrdinaryFile(path) ? path : throw RunTimeError(ErrorCode::FileNotFound);
        }
        std::string started;
    } starter;
    return SysInfoLauncher(search, starter).start() ? starter.started : kUnavailable;
}

// Both values (type 0: none) in every registry this system has: a standard
// user's, and under Wine the real one of the scratch prefix.
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
                {{2, tool}, {1, folder}, kUnavailable}, // an expandable string
                {{1, ""}, {1, folder}, kUnavailable},
                {{Registry::kNumber, {"\1\0\0\0", 4}}, none, kUnavailable},
                {{1, x1024.second + z}, {1, folder}, inFolder},
                {x1024, {1, folder}, inFolder}};
    for (const auto& row : rows) {
        StandardUserRegistry standardUser;
        const std::pair<ToolLocation, Value> values[] = {{kToolPath, row.path},
                                                         {kToolFolder, row.folder}};
        for (const auto& [at, value] : values)
            if (value.first)
                standardUser.keys[std::string(at.key)][std::string(at.value)] = value;
        EXPECT_EQ(pressSysInfo(RegistryToolSearch(standardUser)), row.shows)
            << row.path.second.substr(0, 80);
        EXPECT_EQ(standardUser.openKeys, 0); // every key opened is closed
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
        EXPECT_EQ(pressSysInfo(RegistryToolSearch(system)), row.shows)
            << row.path.second.substr(0, 80);
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
    for (const auto& [path, shows] : rows)
        EXPECT_EQ(pressSysInfo(PathToolSearch(path)), shows) << path;
    fs::remove_all(root);
}
#endif

// A program starts and is left to run; a start that fails is a run-time error.
TEST(ProgramStarter, StartsAProgramAndAnythingElseIsFileNotFound) {
#ifdef _WIN32
    const std::string program = "C:\\windows\\system32\\hostname.exe", folder = "C:\\windows";
#else
    const std::string program = "/bin/true", folder = "/bin";
#endif
    for (const std::string& path : {program, folder, program + "-missing", std::string()}) {
        EXPECT_EQ(raised([&] { SystemProgramStarter().start(path); }),
                  path == program ? std::nullopt : std::optional(ErrorCode::FileNotFound))
            << path;
        EXPECT_EQ(isOrdinaryFile(path), path == program) << path;
    }
}

} // namespace
} // namespace orbel::testing
