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

} // namespace
} // namespace orbel::testing
