#include "windows/path_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orbel::testing {
namespace {

// Each PATH with our folder put in and taken out: what was put in comes out
// again to the byte; an entry that names the
// folder already (case, quotes, closing backslash) is the one taken out.
TEST(PathList, PutsTheFolderAtTheEndAndTakesOutOnlyItsEntry) {
    const std::wstring ours = L"C:\\Program Files\\Orbel\\Lens Calculator", a = L"C:\\a;",
                       b = L"C:\\b";
    const struct {
        const char* name;
        std::wstring list;
        std::optional<std::wstring> with, without;
    } rows[] = {
        {"empty", L"", ours, std::nullopt},
        {"ends in a separator", a, a + L';' + ours, std::nullopt},
        {"ours, other case", L"c:\\program files\\orbel\\LENS calculator\\;" + b, std::nullopt, b},
        {"ours quoted", a + L'"' + ours + L"\";" + b, std::nullopt, a + b},
        {"ours twice", ours + L';' + a + ours, std::nullopt, ours + L';' + a.substr(0, 4)}};
    for (const auto& row : rows) {
        EXPECT_EQ(withFolder(row.list, ours), row.with) << row.name;
        EXPECT_EQ(withoutFolder(row.list, ours), row.without) << row.name;
        if (row.with) {
            EXPECT_EQ(withoutFolder(*row.with, ours), row.list) << row.name;
        }
    }
}

} // namespace
} // namespace orbel::testing
