#include "launcher_fixture.h"

namespace orbel::testing {
namespace {

class MemoryWriter : public RegistryWriter {
public:
    void clear() override { registry_ = InMemoryRegistry(); }
    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::vector<unsigned char>& bytes) override {
        registry_.setValue(Registry::kLocalMachine, key, name, type, bytes);
    }
    Registry& reader() override { return registry_; }

private:
    InMemoryRegistry registry_;
};

TEST(InMemoryRegistry, LauncherFindsTheToolOrSaysItIsUnavailable) {
    LauncherFiles files;
    MemoryWriter writer;
    for (const LauncherCase& c : launcherCases(files))
        runLauncherCase(writer, c);
}

TEST(InMemoryRegistry, GetKeyValueReadsEveryShapeOfValueWithinItsBuffer) {
    MemoryWriter writer;
    runValueCases(writer);
}

TEST(InMemoryRegistry, AnswersEachQueryWithStatusSizeAndBytes) {
    MemoryWriter writer;
    runQueryCases(writer, false);
}

TEST(InMemoryRegistry, TwoClicksAreTwoIndependentStarts) {
    LauncherFiles files;
    MemoryWriter writer;
    writer.setValue(kPathKey, "path", Registry::kString, bytesOf(files.tool));
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher launcher(writer.reader(), starter, boxes);
    launcher.StartSysInfo();
    launcher.StartSysInfo();
    EXPECT_EQ(starter.started, (std::vector<std::string>{files.tool, files.tool}));
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(InMemoryRegistry, AMissingKeyOrValueIsFalseWithEmptyText) {
    MemoryWriter writer;
    writer.setValue(kPathKey, "OTHER", Registry::kString, bytesOf("x"));
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher launcher(writer.reader(), starter, boxes);
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

#ifndef _WIN32
TEST(DesktopRegistry, LauncherStartsTheFirstToolAlongTheSearchPath) {
    // a: hardinfo without execute rights, kinfocenter a folder, cpu-x; b:
    // hardinfo and kinfocenter; c: nothing.
    TempFolder a, b, c;
    const auto program = [](const TempFolder& folder, const std::string& name, bool executable) {
        const std::string path = folder.file(name);
        fs::permissions(path, executable ? fs::perms::owner_all
                                         : fs::perms::owner_read | fs::perms::owner_write);
        return path;
    };
    program(a, "hardinfo", false);
    fs::create_directory(a.path() + "/kinfocenter");
    const std::string aCpuX = program(a, "cpu-x", true);
    const std::string bHardinfo = program(b, "hardinfo", true);
    program(b, "kinfocenter", true);
    const std::string relativeB = fs::relative(b.path()).string();
    const struct {
        std::string searchPath;
        std::string started; // "" when the message shows
    } rows[] = {
        {"", ""},
        {c.path(), ""},
        {a.path(), aCpuX},                      // the folder and the plain file skipped
        {a.path() + ":" + b.path(), bHardinfo}, // the tools' order before the folders'
        {"::" + c.path() + ":" + b.path() + "/", bHardinfo},
        {relativeB + ":.", ""}, // relative folders are not searched
    };
    for (const auto& row : rows) {
        DesktopRegistry registry(row.searchPath);
        RecordingStarter starter;
        FakeBoxes boxes;
        SysInfoLauncher(registry, starter, boxes).StartSysInfo();
        EXPECT_EQ(starter.started, row.started.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{row.started})
            << row.searchPath;
        EXPECT_EQ(boxes.messages.size(), row.started.empty() ? 1U : 0U) << row.searchPath;
    }
}
#endif

} // namespace
} // namespace orbel::testing
