#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The version record, read back as Explorer's file properties read it.
TEST(VersionRecord, Is1_2_0_3InNumbersAndWords) {
    char self[MAX_PATH * 4] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, self, sizeof self), 0U);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(self, &ignored));
    ASSERT_FALSE(data.empty()) << "no version record";
    ASSERT_TRUE(GetFileVersionInfoA(self, 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDU);
    EXPECT_EQ(fixed->dwFileVersionMS, (1U << 16) | 2U);
    EXPECT_EQ(fixed->dwProductVersionLS, 3U);
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
