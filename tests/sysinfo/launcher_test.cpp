#include "runtime/run_time_error.h"
#include "support/fakes.h"
#include "sysinfo/file_exists.h"
#include "sysinfo/program_starter.h"
#include "sysinfo/registry.h"
#include "sysinfo/registry_tool_search.h"
#include "sysinfo/sys_info_launcher.h"

#include <cstdint>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#ifdef _WIN32
#include "sysinfo/windows_registry.h"

#include <windows.h>
#else
#include "sysinfo/path_tool_search.h"
#endif

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;

// What pressing System Info shows when it says the tool is unavailable.
const std::string no = "-", z(1, '\0');
const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());

// HKEY_LOCAL_MACHINE as a standard user has it: a key opens for reading, and
// an open that asks for any other right is refused (access denied). A value
// missing is not found.
struct StandardUserRegistry : Registry {
    // by key and name
    std::map<std::string, std::pair<std::uint32_t, std::string>> values;
    std::string open;
    // opened and not yet closed
    int openKeys = 0;

    long openKey(Handle at, const std::string& path, std::uint32_t, std::uint32_t access,
                 Handle& key) override {
        if ((access & ~kReadRights) != 0 || at != kLocalMachine)
            return 5;
        open = path, key = 1;
        return ++openKeys, kSuccess;
    }
    long queryValue(Handle, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        const auto value = values.find(open + '|' + name);
        if (value == values.end())
            return 2;
        const std::string& bytes = value->second.second;
        type = value->second.first;
        if (bytes.size() > size)
            return size = static_cast<std::uint32_t>(bytes.size()), 234; // more data
        std::memcpy(data, bytes.data(), size = static_cast<std::uint32_t>(bytes.size()));
        return kSuccess;
    }
    long closeKey(Handle) override { return --openKeys, kSuccess; }
};

// What pressing System Info starts (as the system's starter would, only an
// ordinary file with something in it), or "-" and whatever it started when it
// says unavailable.
std::string pressSysInfo(ToolSearch&& search) {
    struct : ProgramStarter {
        void start(const std::string& path) override {
            started = isOrdinaryFile(path) && fs::file_size(path)
                          ? path
                          : throw RunTimeError(ErrorCode::FileNotFound);
        }
        std::string started;
    } starter;
    const bool shown = SysInfoLauncher(search, starter).start();
    return shown ? starter.started : no + starter.started;
}

// Both values (type 0: none) in every registry this system has: a standard
// user's, and under Wine the real one of the scratch prefix. Started in the
// folder that holds every file named, so a path that is not full would find one.
TEST(SysInfoLauncher, FindsTheToolThroughEitherKeyOrSaysItIsUnavailable) {
    const std::string tool = (root / "tool").string(), folder = (root / "f").string(),
                      inFolder = (root / "f" / "MSINFO32.EXE").string(), x1024(1024, 'x'),
                      relative = (fs::path("tools") / "info.exe").string();
    fs::create_directories(root / "tools");
    fs::create_directories(folder);
    const fs::path started = fs::current_path();
    fs::current_path(root);
    for (const std::string& file : {tool, inFolder, relative})
        std::ofstream(file) << "x";
    std::ofstream(root / "empty");
    const struct {
        const char* name;
        std::uint32_t pathType;
        std::string path;
        std::uint32_t folderType;
        std::string folder, shows;
    } rows[] = {{"neither", 0, "", 0, "", no},
                {"path without its NUL", 1, tool, 1, folder + z, tool},
                {"a tool that won't start", 1, (root / "empty").string(), 1, folder, no},
                {"folder alone", 0, "", 1, folder + z, inFolder},
                {"expandable string", 2, tool, 1, folder, no},
                {"empty path", 1, "", 1, folder, no},
                {"relative path", 1, relative, 1, folder, no},
                {"relative folder", 0, "", 1, "f", no},
                {"path fills the buffer", 1, x1024.substr(1) + z, 1, folder, no},
                {"path beyond the buffer", 1, x1024, 1, folder, inFolder}};
    for (const auto& row : rows) {
        const std::tuple<ToolLocation, std::uint32_t, std::string> values[] = {
            {kToolPath, row.pathType, row.path}, {kToolFolder, row.folderType, row.folder}};
        StandardUserRegistry standardUser;
        for (const auto& [at, type, bytes] : values)
            if (type)
                standardUser.values[std::string(at.key) + '|' + std::string(at.value)] = {type,
                                                                                          bytes};
        EXPECT_EQ(pressSysInfo(RegistryToolSearch(standardUser)), row.shows) << row.name;
        // every key opened is closed
        EXPECT_EQ(standardUser.openKeys, 0);
#ifdef _WIN32
        if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
            // never a real system's keys
            continue;
        for (const auto& [at, type, bytes] : values) {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(at.key).c_str());
            if (type)
                RegSetKeyValueA(HKEY_LOCAL_MACHINE, std::string(at.key).c_str(),
                                std::string(at.value).c_str(), type, bytes.data(),
                                static_cast<DWORD>(bytes.size()));
        }
        WindowsRegistry system;
        EXPECT_EQ(pressSysInfo(RegistryToolSearch(system)), row.shows) << row.name;
#endif
    }
    fs::current_path(started);
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
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"passes a folder and a file that cannot run", a, a + "/cpu-x"},
        {"the first tool, in a later folder", "::" + a + "/:" + b + "/", b + "/hardinfo"},
        {"relative entries passed over", fs::relative(b).string() + ":.", no}};
    for (const auto& [name, path, shows] : rows)
        EXPECT_EQ(pressSysInfo(PathToolSearch(path)), shows) << name;
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
    for (const std::string& path : {program, folder, program + "-missing"}) {
        EXPECT_EQ(raised([&] { SystemProgramStarter().start(path); }),
                  path == program ? std::nullopt : std::optional(ErrorCode::FileNotFound))
            << path;
        EXPECT_EQ(isOrdinaryFile(path), path == program) << path;
    }
}

} // namespace
} // namespace orbel::testing
