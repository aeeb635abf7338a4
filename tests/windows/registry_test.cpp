#include "launcher_fixture.h"

#include <windows.h>

#include <cstdlib>
#include <ios>

namespace orbel::testing {
namespace {

// The real registry of the Wine prefix: the test writes the two keys itself
// and deletes them again.
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

// The tests delete and rewrite the two keys System Info reads, so they run
// only in Wine's scratch prefix, never on a Windows whose keys are real.
bool underWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class SystemRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        if (!underWine()) {
            // The cross test runs every program under Wine: a skip there
            // would hide the whole table.
            ASSERT_EQ(std::getenv("WINEPREFIX"), nullptr) << "not under Wine";
            GTEST_SKIP() << "would overwrite this system's own keys";
        }
    }
};

TEST(SystemKey, RootHandlesAreTheSystemsOwnKeys) {
    const struct {
        Registry::Handle handle;
        HKEY expected;
    } rows[] = {
        {0x80000000, HKEY_CLASSES_ROOT},
        {0x80000001, HKEY_CURRENT_USER},
        {Registry::kLocalMachine, HKEY_LOCAL_MACHINE},
        {0x80000003, HKEY_USERS},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WindowsRegistry::systemKey(row.handle), static_cast<void*>(row.expected))
            << std::hex << row.handle;
    // An opened key's handle is handed back as it came.
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &opened), ERROR_SUCCESS);
    EXPECT_EQ(WindowsRegistry::systemKey(reinterpret_cast<Registry::Handle>(opened)),
              static_cast<void*>(opened));
    RegCloseKey(opened);
}

TEST_F(SystemRegistry, AnswersEachQueryWithStatusSizeAndBytes) {
    SystemWriter writer;
    runQueryCases(writer, true);
}

TEST_F(SystemRegistry, LauncherFindsTheToolOrSaysItIsUnavailable) {
    LauncherFiles files;
    SystemWriter writer;
    for (const LauncherCase& c : launcherCases(files))
        runLauncherCase(writer, c);
}

TEST_F(SystemRegistry, GetKeyValueReadsEveryShapeOfValueWithinItsBuffer) {
    SystemWriter writer;
    runValueCases(writer);
}

TEST_F(SystemRegistry, AMissingKeyOrValueIsFalseWithEmptyText) {
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
