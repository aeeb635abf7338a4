#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The version record of the program as it ships, read back as Explorer's file
// properties read it.
TEST(VersionRecord, Is1_2_0_3InNumbersAndWords) {
    const std::string built = SHIPPED_PROGRAM; // Wine shows the Linux root as Z:
    const std::string program = built.front() == '/' ? "Z:" + built : built;
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(program.c_str(), &ignored));
    ASSERT_FALSE(data.empty()) << "no version record in " << program;
    ASSERT_TRUE(
        GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_TRUE(fixed->dwSignature == 0xFEEF04BDU && fixed->dwFileVersionMS == ((1U << 16) | 2U) &&
                fixed->dwFileVersionLS == 3U && fixed->dwProductVersionLS == 3U);
    for (auto [name, expected] : {std::pair{"FileVersion", "1.02.0003"},
                                  {"ProductVersion", "1.02.0003"},
                                  {"CompanyName", "Orbel"}}) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_EQ(std::string(value, length - 1), expected) << name;
    }
}

} // namespace
