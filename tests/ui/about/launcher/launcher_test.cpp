#include "runtime/file_exists.h"
#include "runtime/program_starter.h"
#include "support/fakes.h"
#include "ui/about/launcher/sys_info_launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orbel::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
    std::uint32_t type;
    Bytes bytes;
};
Value sz(const std::string& text, bool nul = true) {
    Bytes bytes(text.begin(), text.end());
    if (nul)
        bytes.push_back(0);
    return {Registry::kString, bytes};
}

// A registry layer the test writes the two keys into.
class Layer {
public:
    virtual ~Layer() = default;
    virtual void set(const std::string& key, const std::string& name, const Value& value) = 0;
    virtual Registry& reader() = 0;
};

class Memory : public Layer {
    void set(const std::string& key, const std::string& name, const Value& value) override {
        registry_.setValue(Registry::kLocalMachine, key, name, value.type, value.bytes);
    }
    Registry& reader() override { return registry_; }
    InMemoryRegistry registry_;
};

#ifdef _WIN32
// The real registry of Wine's scratch prefix, never of a real Windows.
class System : public Layer {
public:
    System() { clear(); }
    ~System() override { clear(); }
    static void clear() {
        for (const std::string& key : {kPathKey, kFolderKey})
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    }
    void set(const std::string& key, const std::string& name, const Value& value) override {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(handle, name.c_str(), 0, value.type, value.bytes.data(),
                       static_cast<DWORD>(value.bytes.size()));
        RegCloseKey(handle);
    }
    Registry& reader() override { return registry_; }
    WindowsRegistry registry_;
};
#endif

// Every layer the launcher can meet on this system, each new and empty.
std::vector<std::unique_ptr<Layer>> layers() {
    std::vector<std::unique_ptr<Layer>> all;
    all.push_back(std::make_unique<Memory>());
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll && GetProcAddress(ntdll, "wine_get_version"))
        all.push_back(std::make_unique<System>());
#endif
    return all;
}

// Counts what the launcher asks of the layer underneath.
class Counting : public Registry {
public:
    explicit Counting(Registry& inner)
        : inner_(inner) {}
    long openKey(Handle root, const std::string& path, std::uint32_t options, std::uint32_t access,
                 Handle& key) override {
        secondKey |= path == kFolderKey;
        EXPECT_EQ(access, 0x2003FU);
        const long status = inner_.openKey(root, path, options, access, key);
        opens += status == kSuccess ? 1 : 0;
        return status;
    }
    long queryValue(Handle key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        EXPECT_EQ(size, 1024U);
        return inner_.queryValue(key, name, type, data, size);
    }
    long closeKey(Handle key) override { return ++closes, inner_.closeKey(key); }
    bool secondKey = false;
    int opens = 0, closes = 0;

private:
    Registry& inner_;
};

// Like the system's, it cannot start a path that names no ordinary file.
class Recording : public ProgramStarter {
public:
    void start(const std::string& path) override {
        if (!isOrdinaryFile(path))
            throw RunTimeError(ErrorCode::FileNotFound);
        started.push_back(path);
    }
    std::vector<std::string> started;
};

TEST(SysInfoLauncher, FindsTheToolThroughEitherKeyOrSaysItIsUnavailable) {
    const fs::path root = fs::temp_directory_path() / "orbel-launcher";
    fs::create_directories(root / "holding");
    fs::create_directories(root / "empty");
    const std::string tool = (root / "tool.exe").string();
    const std::string inFolder = (root / "holding" / "MSINFO32.EXE").string();
    std::ofstream(tool) << "tool";
    std::ofstream(inFolder) << "tool";
    const std::string holding = (root / "holding").string(), empty = (root / "empty").string();
    const Value none{0, {}}, zero{Registry::kString, {}};
    const std::string x1024(1024, 'x');
    // clang-format off
    const struct { const char* name; Value first, second; std::string started; bool readsSecond; } rows[] = {
        {"neither key",                   none,                                  none,         "",       true},
        {"first names the program",       sz(tool),                              none,         tool,     false},
        {"first without its NUL",         sz(tool, false),                       none,         tool,     false},
        {"second names the folder",       none,                                  sz(holding),  inFolder, true},
        {"folder without the tool",       none,                                  sz(empty),    "",       true},
        {"first names a missing file",    sz(tool + ".x"),                       sz(holding),  "",       false},
        {"first is empty",                sz(""),                                sz(holding),  "",       false},
        {"first is expandable",           {Registry::kExpandString, sz(tool).bytes}, sz(holding), "",    false},
        {"first has zero bytes",          zero,                                  sz(holding),  "",       false},
        {"first is a number",             {Registry::kNumber, {1, 0, 0, 0}},     none,         "",       false},
        {"first over 1024 bytes",         sz(std::string(1100, 'x')),            sz(holding),  inFolder, true},
        {"first fills 1024 without NUL",  sz(x1024, false),                      sz(holding),  inFolder, true},
        {"second has zero bytes",         none,                                  zero,         "",       true}};
    // clang-format on
    for (const auto& row : rows) {
        for (const auto& layer : layers()) {
            if (row.first.type)
                layer->set(kPathKey, "PATH", row.first);
            if (row.second.type)
                layer->set(kFolderKey, "MSINFO", row.second);
            Counting registry(layer->reader());
            Recording starter;
            FakeBoxes boxes;
            SysInfoLauncher launcher(registry, starter, boxes);
            launcher.StartSysInfo();
            EXPECT_EQ(starter.started, row.started.empty() ? std::vector<std::string>{}
                                                           : std::vector<std::string>{row.started})
                << row.name;
            EXPECT_EQ(boxes.messages.size(), row.started.empty() ? 1U : 0U) << row.name;
            for (const auto& message : boxes.messages)
                EXPECT_EQ(message.text + "|" + message.title,
                          "System Information Is Unavailable At This Time|");
            EXPECT_EQ(registry.secondKey, row.readsSecond) << row.name;
            EXPECT_EQ(registry.closes, registry.opens) << row.name << ": every key closed";
        }
    }
    fs::remove_all(root);
}

TEST(SysInfoLauncher, GetKeyValueReadsEveryShapeWithinItsBuffer) {
    const std::string x1023(1023, 'x');
    // clang-format off
    const struct { const char* name; Value value; bool found; std::string text; bool invalidCall; } rows[] = {
        {"string with its NUL",   sz("C:\\Tools\\msinfo32.exe"),        true,  "C:\\Tools\\msinfo32.exe", false},
        {"string without a NUL",  sz("abc", false),                     true,  "abc",        false},
        {"empty string",          sz(""),                               true,  "",           false},
        {"expandable string",     {Registry::kExpandString, sz("%windir%").bytes}, true, "", false},
        {"exactly 1024 bytes",    sz(x1023),                            true,  x1023,        false},
        {"1024 bytes, no NUL",    sz(x1023 + "y", false),               false, "",           false},
        {"1025 bytes",            sz(x1023 + "y"),                      false, "",           false},
        {"zero bytes",            {Registry::kString, {}},              false, "",           true},
        {"number",                {Registry::kNumber, {0x1A, 0, 0, 0}}, true,  "26",         false},
        {"number, every byte",    {Registry::kNumber, {0x78, 0x56, 0x34, 0x12}}, true, "305419896", false},
        {"binary",                {3, {'a', 'b', 0}},                   true,  "",           false},
        {"other value only",      {0, {}},                              false, "",           false}};
    // clang-format on
    for (const auto& row : rows) {
        for (const auto& layer : layers()) {
            layer->set(kPathKey, row.value.type ? "PATH" : "OTHER",
                       row.value.type ? row.value : sz("x"));
            Counting registry(layer->reader());
            Recording starter;
            FakeBoxes boxes;
            std::string text;
            bool found = false;
            const auto error = raised([&] {
                found = SysInfoLauncher(registry, starter, boxes)
                            .GetKeyValue(Registry::kLocalMachine, kPathKey, "path", text);
            });
            EXPECT_EQ(error, row.invalidCall ? std::optional(ErrorCode::InvalidCall) : std::nullopt)
                << row.name;
            EXPECT_EQ(found, row.found) << row.name;
            EXPECT_EQ(text, row.text) << row.name;
            EXPECT_EQ(registry.closes, 1) << row.name << ": closed, errors included";
        }
    }
}

#ifndef _WIN32
// The desktop's own layer: the first system-information tool along the search
// path, tool by tool; folders, files that cannot run and relative entries are
// skipped. a: hardinfo not executable, kinfocenter a folder, cpu-x; b:
// hardinfo and kinfocenter; c: nothing.
TEST(SysInfoLauncher, OnADesktopStartsTheFirstToolAlongTheSearchPath) {
    const fs::path root = fs::temp_directory_path() / "orbel-desktop";
    for (const char* folder : {"a/kinfocenter", "b", "c"})
        fs::create_directories(root / folder);
    for (const char* file : {"a/hardinfo", "a/cpu-x", "b/hardinfo", "b/kinfocenter"}) {
        std::ofstream(root / file) << "tool";
        fs::permissions(root / file, std::string(file) == "a/hardinfo" ? fs::perms::owner_read
                                                                       : fs::perms::owner_all);
    }
    const std::string a = (root / "a").string(), b = (root / "b").string();
    const std::string c = (root / "c").string(), bHardinfo = b + "/hardinfo";
    const std::pair<std::string, std::string> rows[] = {{"", ""},
                                                        {c, ""},
                                                        {a, a + "/cpu-x"},
                                                        {a + ":" + b, bHardinfo},
                                                        {"::" + c + ":" + b + "/", bHardinfo},
                                                        {fs::relative(b).string() + ":.", ""}};
    for (const auto& [searchPath, started] : rows) {
        DesktopRegistry registry(searchPath);
        Recording starter;
        FakeBoxes boxes;
        SysInfoLauncher(registry, starter, boxes).StartSysInfo();
        EXPECT_EQ(starter.started,
                  started.empty() ? std::vector<std::string>{} : std::vector<std::string>{started})
            << searchPath;
        EXPECT_EQ(boxes.messages.size(), started.empty() ? 1U : 0U) << searchPath;
    }
    fs::remove_all(root);
}
#endif

} // namespace
} // namespace orbel::testing
