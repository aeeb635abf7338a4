#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string windowsPath(const std::string& built) { // Wine shows the Linux root as Z:
    return built.front() == '/' ? "Z:" + built : built;
}

// The version record of the program and of its setup program as they ship,
// read back as Explorer's file properties read it.
TEST(VersionRecord, Is1_2_0_3InNumbersAndWords) {
    for (const std::string& program : {windowsPath(SHIPPED_PROGRAM), windowsPath(SHIPPED_SETUP)}) {
        SCOPED_TRACE(program);
        DWORD ignored = 0;
        std::vector<char> data(GetFileVersionInfoSizeA(program.c_str(), &ignored));
        ASSERT_FALSE(data.empty()) << "no version record";
        ASSERT_TRUE(
            GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_TRUE(fixed->dwSignature == 0xFEEF04BDU &&
                    fixed->dwFileVersionMS == ((1U << 16) | 2U) && fixed->dwFileVersionLS == 3U &&
                    fixed->dwProductVersionLS == 3U);
        for (auto [name, expected] : {std::pair{"FileVersion", "1.02.0003"},
                                      {"ProductVersion", "1.02.0003"},
                                      {"CompanyName", "Orbel"}}) {
            char* value = nullptr;
            const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
            ASSERT_TRUE(VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value),
                                       &length));
            EXPECT_EQ(std::string(value, length - 1), expected) << name;
        }
    }
}

// What Windows reads before it starts the program, and the images Explorer
// picks its icon from: an icon group is 6 bytes of header, then 14 bytes per
// image starting with its width, 0 for 256.
TEST(ProgramResources, ManifestAndIconsOf16To256Pixels) {
    const HMODULE module =
        LoadLibraryExA(windowsPath(SHIPPED_PROGRAM).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    std::string manifest, group;
    for (auto [type, text] : {std::pair{RT_MANIFEST, &manifest}, {RT_GROUP_ICON, &group}}) {
        const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), type);
        ASSERT_NE(found, nullptr);
        text->assign(static_cast<const char*>(LockResource(LoadResource(module, found))),
                     SizeofResource(module, found));
    }
    for (const char* says :
         {"\"asInvoker\"", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">PerMonitorV2<"})
        EXPECT_NE(manifest.find(says), std::string::npos) << says;
    std::string widths;
    for (std::size_t at = 6; at < group.size(); at += 14)
        widths += std::to_string(static_cast<unsigned char>(group[at])) + ' ';
    EXPECT_EQ(widths, "16 32 48 0 ");
}

} // namespace
