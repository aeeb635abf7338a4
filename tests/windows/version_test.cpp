#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The version record of the program as it ships, read back the way
// Explorer's file properties do.
class VersionRecord : public ::testing::Test {
protected:
    void SetUp() override {
        // The build folder is a Linux path; Wine shows the Linux root as Z:.
        const std::string built = SHIPPED_PROGRAM;
        const std::string program = built.front() == '/' ? "Z:" + built : built;
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(program.c_str(), &ignored);
        ASSERT_GT(size, 0U) << "no version record in " << program;
        data.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, size, data.data()));
    }

    std::string text(const char* name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value),
                            &length) ||
            length == 0)
            return "<missing>";
        return std::string(value, length - 1);
    }

    std::vector<char> data;
};

TEST_F(VersionRecord, FileAndProductVersionAre1_2_0_3) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDU);
    EXPECT_EQ(fixed->dwFileVersionMS, (1U << 16) | 2U);
    EXPECT_EQ(fixed->dwFileVersionLS, (0U << 16) | 3U);
    EXPECT_EQ(fixed->dwProductVersionMS, (1U << 16) | 2U);
    EXPECT_EQ(fixed->dwProductVersionLS, (0U << 16) | 3U);
}

TEST_F(VersionRecord, TextsAndLanguageBlock) {
    EXPECT_EQ(text("FileVersion"), "1.02.0003");
    EXPECT_EQ(text("ProductVersion"), "1.02.0003");
    EXPECT_EQ(text("CompanyName"), "Orbel");
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4U);
    EXPECT_EQ(translation[0], 0x0409); // U.S. English
    EXPECT_EQ(translation[1], 0x04B0); // Unicode
}

} // namespace
