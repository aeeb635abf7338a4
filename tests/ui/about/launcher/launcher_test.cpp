#include "fake_boxes.h"
#include "registry_cases.h"
#include "runtime/file_exists.h"
#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"
#include "ui/about/launcher/sys_info_launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Counts what the launcher asks of the registry underneath.
class CountingRegistry : public Registry {
public:
    explicit CountingRegistry(Registry& inner)
        : inner_(inner) {}
    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override {
        opened.push_back(path);
        lastAccess = access;
        const long status = inner_.openKey(root, path, options, access, key);
        successfulOpens += status == kSuccess ? 1 : 0;
        return status;
    }
    long queryValue(Handle key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        offeredSize = size;
        return inner_.queryValue(key, name, type, data, size);
    }
    long closeKey(Handle key) override {
        ++closes;
        return inner_.closeKey(key);
    }

    std::vector<std::string> opened;
    int successfulOpens = 0;
    int closes = 0;
    std::uint32_t lastAccess = 0;
    std::uint32_t offeredSize = 0;

private:
    Registry& inner_;
};

// Records what would be started; like the real one, it cannot start a path
// that names no ordinary file.
class RecordingStarter : public ProgramStarter {
public:
    void start(const std::string& path) override {
        attempts.push_back(path);
        if (!isOrdinaryFile(path))
            throw RunTimeError(ErrorCode::FileNotFound);
        started.push_back(path);
    }
    std::vector<std::string> attempts, started;
};

class TempFolder {
public:
    TempFolder() {
        static int made = 0;
        path_ = fs::temp_directory_path() /
                ("orbel-launcher-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "-" + std::to_string(++made));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string file(const std::string& name, bool executable = false) const {
        const fs::path file = path_ / name;
        std::ofstream(file) << "#!/bin/sh\n";
        if (executable)
            fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
        return file.string();
    }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

struct LauncherCase {
    const char* name;
    std::optional<ValueCase> step1; // "PATH" under the first key
    std::optional<ValueCase> step2; // "MSINFO" under the second key
    bool message;
    std::string started; // "" when nothing is started
    bool readsSecondKey;
};

class Launcher : public ::testing::Test {
protected:
    void run(const LauncherCase& c) {
        InMemoryRegistry memory;
        if (c.step1)
            memory.setValue(Registry::kLocalMachine, kPathKey, "PATH", c.step1->type,
                            c.step1->bytes);
        if (c.step2)
            memory.setValue(Registry::kLocalMachine, kFolderKey, "MSINFO", c.step2->type,
                            c.step2->bytes);
        CountingRegistry registry(memory);
        RecordingStarter starter;
        FakeBoxes boxes;
        SysInfoLauncher launcher(registry, starter, boxes);
        launcher.StartSysInfo();

        EXPECT_EQ(boxes.messages.size(), c.message ? 1U : 0U) << c.name;
        if (c.message && !boxes.messages.empty()) {
            EXPECT_EQ(boxes.messages[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(boxes.messages[0].title, "") << "the program's own title";
        }
        EXPECT_EQ(starter.started.empty() ? "" : starter.started.front(), c.started) << c.name;
        EXPECT_LE(starter.started.size(), 1U) << c.name;
        const bool readSecond = std::find(registry.opened.begin(), registry.opened.end(),
                                          kFolderKey) != registry.opened.end();
        EXPECT_EQ(readSecond, c.readsSecondKey) << c.name;
        EXPECT_EQ(registry.closes, registry.successfulOpens) << c.name << ": every key closed";
        EXPECT_EQ(registry.lastAccess, 0x2003FU) << c.name;
        EXPECT_EQ(registry.offeredSize, c.step1 || c.step2 ? 1024U : 0U) << c.name;
    }
};

ValueCase text(const std::string& value, bool withNul = true) {
    return {"", Registry::kString, bytesOf(value, withNul), true, value, false};
}

TEST_F(Launcher, FindsTheToolOrSaysItIsUnavailable) {
    TempFolder folder;
    const std::string program = folder.file("tool");
    TempFolder holding;
    const std::string inFolder = holding.file("MSINFO32.EXE");
    TempFolder empty;
    // clang-format off
    const LauncherCase cases[] = {
        {"neither key",                       std::nullopt, std::nullopt, true, "", true},
        {"first key names a program",         text(program), std::nullopt, false, program, false},
        {"first key without its NUL",         text(program, false), std::nullopt, false, program, false},
        {"folder that holds the tool",        std::nullopt, text(holding.path()), false, inFolder, true},
        {"folder without the tool",           std::nullopt, text(empty.path()), true, "", true},
        {"first key names a missing file",    text(program + ".missing"), text(holding.path()), true, "", false},
        {"first key holds an empty string",   text(""), text(holding.path()), true, "", false},
        {"first key holds type 2",            ValueCase{"", Registry::kExpandString, bytesOf(program), true, "", false},
                                              text(holding.path()), true, "", false},
        {"first key holds zero bytes",        ValueCase{"", Registry::kString, {}, true, "", false},
                                              text(holding.path()), true, "", false},
        {"first key holds a number",          ValueCase{"", Registry::kNumber, {1, 0, 0, 0}, true, "", false},
                                              std::nullopt, true, "", false},
        {"first key over 1024 bytes",         text(std::string(1100, 'x')), text(holding.path()), false, inFolder, true},
        {"second key holds zero bytes",       std::nullopt, ValueCase{"", Registry::kString, {}, true, "", false}, true, "", true},
    };
    // clang-format on
    for (const auto& c : cases)
        run(c);
}

TEST_F(Launcher, TwoClicksAreTwoIndependentStarts) {
    TempFolder folder;
    const std::string program = folder.file("tool");
    InMemoryRegistry memory;
    memory.setValue(Registry::kLocalMachine, kPathKey, "path", Registry::kString, bytesOf(program));
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher launcher(memory, starter, boxes);
    launcher.StartSysInfo();
    launcher.StartSysInfo();
    EXPECT_EQ(starter.started, (std::vector<std::string>{program, program}));
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(GetKeyValue, ReadsEveryShapeOfValueWithinItsBuffer) {
    for (const ValueCase& c : valueCases()) {
        InMemoryRegistry memory;
        memory.setValue(Registry::kLocalMachine, kPathKey, "PATH", c.type, c.bytes);
        CountingRegistry registry(memory);
        RecordingStarter starter;
        FakeBoxes boxes;
        SysInfoLauncher launcher(registry, starter, boxes);
        std::string value = "before";
        if (c.invalidCall) {
            try {
                launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value);
                ADD_FAILURE() << c.name << ": no run-time error";
            } catch (const RunTimeError& error) {
                EXPECT_EQ(error.code(), ErrorCode::InvalidCall) << c.name;
            }
        } else {
            value.clear(); // both callers pass an empty text
            EXPECT_EQ(launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value),
                      c.found)
                << c.name;
            EXPECT_EQ(value, c.text) << c.name;
        }
        EXPECT_EQ(registry.closes, 1) << c.name << ": the key is closed, errors included";
    }
}

TEST(GetKeyValue, AMissingKeyOrValueIsFalseWithEmptyText) {
    InMemoryRegistry memory;
    memory.setValue(Registry::kLocalMachine, kPathKey, "OTHER", Registry::kString, bytesOf("x"));
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher launcher(memory, starter, boxes);
    std::string value = "stale";
    EXPECT_FALSE(launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value));
    EXPECT_EQ(value, "");
    value = "stale";
    EXPECT_FALSE(launcher.GetKeyValue(Registry::kLocalMachine, kFolderKey, "MSINFO", value));
    EXPECT_EQ(value, "");
    // Key paths and value names ignore case, as the system's registry does.
    EXPECT_TRUE(launcher.GetKeyValue(Registry::kLocalMachine,
                                     "software\\microsoft\\shared tools\\msinfo", "other", value));
    EXPECT_EQ(value, "x");
}

} // namespace
} // namespace orbel::testing
