#pragma once

#include "fake_boxes.h"
#include "registry_cases.h"
#include "runtime/file_exists.h"
#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"
#include "ui/about/launcher/sys_info_launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace orbel::testing {

namespace fs = std::filesystem;

inline const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Counts what the launcher asks of the registry underneath: the test build's
// wrapper around the close call, among others.
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
    bool openedKey(const std::string& path) const {
        return std::find(opened.begin(), opened.end(), path) != opened.end();
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
        if (!isOrdinaryFile(path))
            throw RunTimeError(ErrorCode::FileNotFound);
        started.push_back(path);
    }
    std::vector<std::string> started;
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
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const {
        const fs::path file = path_ / name;
        std::ofstream(file) << "tool";
        return file.string();
    }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

// Writes the two keys a launcher case needs into a registry layer.
class RegistryWriter {
public:
    virtual ~RegistryWriter() = default;
    virtual void clear() = 0;
    virtual void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                          const std::vector<unsigned char>& bytes) = 0;
    virtual Registry& reader() = 0;
};

struct StoredValue {
    std::uint32_t type;
    std::vector<unsigned char> bytes;
};

inline StoredValue text(const std::string& value, bool withNul = true) {
    return {Registry::kString, bytesOf(value, withNul)};
}

struct LauncherCase {
    std::string name;
    std::optional<StoredValue> step1; // "PATH" under the first key
    std::optional<StoredValue> step2; // "MSINFO" under the second key
    std::string started;              // "" when the message shows instead
    bool readsSecondKey;
};

// Files the launcher cases point at.
struct LauncherFiles {
    TempFolder program, holding, empty;
    std::string tool = program.file("tool.exe");
    std::string inFolder = holding.file("MSINFO32.EXE");
};

// One table for every registry layer.
inline std::vector<LauncherCase> launcherCases(const LauncherFiles& f) {
    const StoredValue zeroBytes{Registry::kString, {}};
    // clang-format off
    return {
        {"neither key",                     std::nullopt,                 std::nullopt,             "",         true},
        {"first key names a program",       text(f.tool),                 std::nullopt,             f.tool,     false},
        {"first key without its NUL",       text(f.tool, false),          std::nullopt,             f.tool,     false},
        {"folder that holds the tool",      std::nullopt,                 text(f.holding.path()),   f.inFolder, true},
        {"folder without the tool",         std::nullopt,                 text(f.empty.path()),     "",         true},
        {"first key names a missing file",  text(f.tool + ".missing"),    text(f.holding.path()),   "",         false},
        {"first key holds an empty string", text(""),                     text(f.holding.path()),   "",         false},
        {"first key holds type 2",          StoredValue{Registry::kExpandString, bytesOf(f.tool)},
                                                                          text(f.holding.path()),   "",         false},
        {"first key holds zero bytes",      zeroBytes,                    text(f.holding.path()),   "",         false},
        {"first key holds a number",        StoredValue{Registry::kNumber, {1, 0, 0, 0}},
                                                                          std::nullopt,             "",         false},
        {"first key over 1024 bytes",       text(std::string(1100, 'x')), text(f.holding.path()),   f.inFolder, true},
        {"first key fills 1024 bytes, no NUL", text(std::string(1024, 'x'), false), text(f.holding.path()), f.inFolder, true},
        {"second key holds zero bytes",     std::nullopt,                 zeroBytes,                "",         true},
    };
    // clang-format on
}

// Runs one case through StartSysInfo on the given layer.
inline void runLauncherCase(RegistryWriter& writer, const LauncherCase& c) {
    writer.clear();
    if (c.step1)
        writer.setValue(kPathKey, "PATH", c.step1->type, c.step1->bytes);
    if (c.step2)
        writer.setValue(kFolderKey, "MSINFO", c.step2->type, c.step2->bytes);
    CountingRegistry registry(writer.reader());
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher(registry, starter, boxes).StartSysInfo();

    const bool message = c.started.empty();
    EXPECT_EQ(boxes.messages.size(), message ? 1U : 0U) << c.name;
    if (message && !boxes.messages.empty()) {
        EXPECT_EQ(boxes.messages[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(boxes.messages[0].title, "") << "the program's own title";
    }
    EXPECT_EQ(starter.started,
              message ? std::vector<std::string>{} : std::vector<std::string>{c.started})
        << c.name;
    EXPECT_EQ(registry.openedKey(kFolderKey), c.readsSecondKey) << c.name;
    EXPECT_EQ(registry.closes, registry.successfulOpens) << c.name << ": every key closed";
    EXPECT_EQ(registry.lastAccess, 0x2003FU) << c.name;
}

// Asks the layer itself, with no launcher in between: status, size, type and
// bytes of each answer, and the two ways a lookup is missing.
inline void runQueryCases(RegistryWriter& writer, bool system) {
    for (const QueryCase& c : queryCases()) {
        writer.clear();
        writer.setValue(kPathKey, "PATH", c.type, c.bytes);
        Registry& registry = writer.reader();
        Registry::Handle key = 0;
        ASSERT_EQ(registry.openKey(Registry::kLocalMachine, kPathKey, 0, 0x2003F, key),
                  Registry::kSuccess)
            << c.name;
        std::vector<unsigned char> buffer(c.offered + 8, 0xCC);
        std::uint32_t type = 0;
        std::uint32_t size = c.offered;
        const long status = registry.queryValue(key, "path", type, buffer.data(), size);
        EXPECT_EQ(status, system ? c.systemStatus : c.status) << c.name;
        EXPECT_EQ(size, static_cast<std::uint32_t>(system ? c.systemSize : c.size)) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        if (status == Registry::kSuccess) {
            EXPECT_TRUE(std::equal(c.bytes.begin(), c.bytes.end(), buffer.begin())) << c.name;
            EXPECT_EQ(buffer[c.offered], 0xCC) << c.name << ": nothing written past the buffer";
        }
        std::uint32_t ignored = 0;
        size = c.offered;
        EXPECT_EQ(registry.queryValue(key, "OTHER", ignored, buffer.data(), size),
                  Registry::kFileNotFound)
            << c.name;
        EXPECT_EQ(registry.closeKey(key), Registry::kSuccess) << c.name;
        Registry::Handle missing = 0;
        EXPECT_EQ(
            registry.openKey(Registry::kLocalMachine, kPathKey + "\\Missing", 0, 0x2003F, missing),
            Registry::kFileNotFound)
            << c.name;
    }
}

// Reads every shape of value through GetKeyValue on the given layer.
inline void runValueCases(RegistryWriter& writer) {
    for (const ValueCase& c : valueCases()) {
        writer.clear();
        writer.setValue(kPathKey, "PATH", c.type, c.bytes);
        CountingRegistry registry(writer.reader());
        RecordingStarter starter;
        FakeBoxes boxes;
        SysInfoLauncher launcher(registry, starter, boxes);
        std::string value; // both callers pass an empty text
        if (c.invalidCall) {
            try {
                launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value);
                ADD_FAILURE() << c.name << ": no run-time error";
            } catch (const RunTimeError& error) {
                EXPECT_EQ(error.code(), ErrorCode::InvalidCall) << c.name;
            }
        } else {
            EXPECT_EQ(launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value),
                      c.found)
                << c.name;
            EXPECT_EQ(value, c.text) << c.name;
        }
        EXPECT_EQ(registry.offeredSize, 1024U) << c.name;
        EXPECT_EQ(registry.closes, 1) << c.name << ": the key is closed, errors included";
    }
}

} // namespace orbel::testing
