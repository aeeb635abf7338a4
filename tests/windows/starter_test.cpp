#include "runtime/program_starter.h"
#include "runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace orbel {
namespace {

namespace fs = std::filesystem;

class WindowsStarter : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / "orbel-starter";
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    // A copy of the marker writer in `folder`.
    fs::path copyTo(const fs::path& folder) {
        fs::create_directories(folder);
        const fs::path copy = folder / "marker_writer.exe";
        // The build folder is a Linux path; Wine shows the Linux root as Z:.
        const std::string built = MARKER_WRITER;
        const fs::path source = built.front() == '/' ? fs::path("Z:" + built) : fs::path(built);
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        return copy;
    }

    // The program runs on its own: wait for its marker, a bounded time.
    static bool appears(const fs::path& marker) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            if (fs::exists(marker))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    fs::path root;
};

TEST_F(WindowsStarter, StartsTheProgramAtThePathAndNothingElse) {
    for (const char* name : {"plain", "with spaces in it", "a & b ; c", "x\" & echo y > pwned"}) {
        // A double quote cannot stand in a Windows file name; the last row
        // shows it is refused rather than read as a command line.
        const fs::path folder = root / name;
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) {
            EXPECT_THROW(SystemProgramStarter().start((folder / "marker_writer.exe").string()),
                         RunTimeError)
                << name;
            continue;
        }
        const fs::path program = copyTo(folder);
        SystemProgramStarter().start(program.string());
        EXPECT_TRUE(appears(folder / "marker")) << name;
    }
    EXPECT_FALSE(fs::exists(root / "pwned"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "pwned"));
}

TEST_F(WindowsStarter, AMissingPathIsARunTimeError) {
    for (const std::string& path :
         {(root / "missing.exe").string(), root.string(), std::string()}) {
        try {
            SystemProgramStarter().start(path);
            ADD_FAILURE() << "started " << path;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::FileNotFound) << path;
        }
    }
}

} // namespace
} // namespace orbel
