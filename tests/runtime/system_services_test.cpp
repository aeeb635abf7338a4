#include "runtime/file_exists.h"
#include "runtime/general_format.h"
#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace orbel {
namespace {

namespace fs = std::filesystem;

TEST(FormatGeneral, HexadecimalTextGivesItsValueAnythingElseItself) {
    const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"&h0000001A", "26"},
        {"&H1a", "26"},
        {"&hFFFFFFFF", "4294967295"},
        {"&h00000000", "0"},
        {"&h", "&h"},
        {"&hXYZ", "&hXYZ"},
        {"&h123456789", "&h123456789"},
        {"C:\\Tools", "C:\\Tools"},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatGeneral(row.text), row.expected) << row.text;
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 (std::string("orbel-runtime-") +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A program that leaves a marker file beside itself when it runs.
    fs::path program(const fs::path& where) {
        fs::create_directories(where);
        const fs::path path = where / "tool";
        std::ofstream(path) << "#!/bin/sh\necho started > \"$(dirname \"$0\")/marker\"\n";
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
        return path;
    }

    // The started program runs on its own: wait for its marker, a bounded time.
    static bool appears(const fs::path& marker) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            if (fs::exists(marker))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    fs::path folder;
};

TEST_F(ScratchFolder, FileExistsOnlyForAnOrdinaryFile) {
    const fs::path file = folder / "plain";
    std::ofstream(file) << "x";
    EXPECT_TRUE(isOrdinaryFile(file.string()));
    EXPECT_FALSE(isOrdinaryFile(folder.string()));
    EXPECT_FALSE(isOrdinaryFile((folder / "missing").string()));
    EXPECT_FALSE(isOrdinaryFile(""));
}

// Starting programs on Windows has its own tests, with a Windows program.
#ifndef _WIN32

TEST_F(ScratchFolder, StartsAProgramWithoutWaitingForIt) {
    const fs::path tool = program(folder);
    SystemProgramStarter().start(tool.string());
    EXPECT_TRUE(appears(folder / "marker"));
}

TEST_F(ScratchFolder, APathIsOneFileNameNeverAShellCommand) {
    // A folder whose name would run a second command if a shell read it.
    const fs::path odd = folder / "a b; touch pwned & 'q' \"d\"";
    const fs::path tool = program(odd);
    SystemProgramStarter().start(tool.string());
    EXPECT_TRUE(appears(odd / "marker"));
    EXPECT_FALSE(fs::exists(folder / "pwned"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "pwned"));
}

TEST_F(ScratchFolder, AStartThatFailsIsARunTimeError) {
    const fs::path notExecutable = folder / "plain";
    std::ofstream(notExecutable) << "x";
    for (const std::string& path :
         {(folder / "missing").string(), folder.string(), notExecutable.string(), std::string()}) {
        try {
            SystemProgramStarter().start(path);
            ADD_FAILURE() << "started " << path;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::FileNotFound) << path;
        }
    }
}

#endif

} // namespace
} // namespace orbel
