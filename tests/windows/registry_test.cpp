#include "launcher_fixture.h"

#include <windows.h>

namespace orbel::testing {
namespace {

// The real registry of the Wine prefix (or of Windows): the test writes the
// two keys itself and deletes them again.
class SystemWriter : public RegistryWriter {
public:
    SystemWriter() { clear(); }
    ~SystemWriter() override { clear(); }
    void clear() override {
        for (const std::string& key : {kPathKey, kFolderKey})
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    }
    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::vector<unsigned char>& bytes) override {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS)
            << key;
        EXPECT_EQ(RegSetValueExA(handle, name.c_str(), 0, type, bytes.data(),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS)
            << name;
        RegCloseKey(handle);
    }
    Registry& reader() override { return registry_; }

private:
    WindowsRegistry registry_;
};

TEST(SystemRegistry, LauncherFindsTheToolOrSaysItIsUnavailable) {
    LauncherFiles files;
    SystemWriter writer;
    for (const LauncherCase& c : launcherCases(files))
        runLauncherCase(writer, c);
}

TEST(SystemRegistry, GetKeyValueReadsEveryShapeOfValueWithinItsBuffer) {
    SystemWriter writer;
    runValueCases(writer);
}

TEST(SystemRegistry, AStringWithoutItsNulReadsTheSameText) {
    SystemWriter writer;
    writer.setValue(kPathKey, "PATH", Registry::kString, bytesOf("abc", false));
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher launcher(writer.reader(), starter, boxes);
    std::string value;
    EXPECT_TRUE(launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value));
    EXPECT_EQ(value, "abc");
}

TEST(SystemRegistry, AMissingKeyOrValueIsFalseWithEmptyText) {
    SystemWriter writer;
    writer.setValue(kPathKey, "OTHER", Registry::kString, bytesOf("x"));
    CountingRegistry registry(writer.reader());
    RecordingStarter starter;
    FakeBoxes boxes;
    SysInfoLauncher launcher(registry, starter, boxes);
    std::string value = "stale";
    EXPECT_FALSE(launcher.GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(launcher.GetKeyValue(Registry::kLocalMachine, kFolderKey, "MSINFO", value));
    EXPECT_EQ(registry.closes, registry.successfulOpens);
}

} // namespace
} // namespace orbel::testing
