#include "cli/csv.h"
#include "cli/lens_table.h"
#include "support/tables.h"

#include <cstddef>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace orbel {
namespace {

// A table read, filled and written: per row its pixels_per_unit and message,
// then the exit status (or, for 2, why).
TEST(OrbelLens, FillsEveryRowAndSaysWhichLineIsWrong) {
    const std::string tooLong = "camera\n" + std::string(CsvReader::kLongestField + 1, '5');
    const std::pair<std::string_view, const char*> cases[] = {
        {tooLong, "|line 2: a field longer than 65536 bytes|1"},
        {"camera,resolution,units,width,distance\r\n"
         "4,1024,feet,16,20\r\n",
         "64||0"},
        {"width,distance,units\n2,10,\n", "960||0"},
        {"camera,width\n5,1,2\n", "|line 2: 3 fields where the header has 2|1"},
        {"camera,resolution,units\n16,,meters\n5,,yards\n4,x,feet\n7,1024,feet\n",
         "|line 2: unknown camera \"16\"||line 3: unknown units "
         "\"yards\"||line 4: resolution \"x\" is not a number||line 5: "
         "camera \"Dalo Mini\" takes no custom resolution|1"},
        {"camera,width,distance\r\n\"Dalo\r\nMini\",1,1\r\n\"a\"\"b\",1,1\r\n\"Sorel Mini & "
         "Tauk\",\"2\",3",
         "|line 2: unknown camera \"Dalo\r\nMini\"||line 4: unknown "
         "camera \"a\"b\"|||1"},
        {"camera\n\"5\"x\n5\n", "|line 2: text after a closing quote|||1"},
        {"width,distance\n1,5\n\"2\n", "1920|||line 3: a quote is not closed|1"},
        {"\xEF\xBB\xBF\ncamera,width,distance\n\n5,2,3\r\n\r\n", "640||0"},
        {"camera,lens\n", "line 1: unknown column \"lens\"|2"},
    };
    LensRequest defaults{"Brava - 1920x1080", "", "feet", "", "", ""};
    for (const auto& [table, expected] : cases) {
        std::string_view in = table;
        std::string out, error;
        CsvReader reader(from(in, 5)); // in pieces
        CsvWriter writer([&](std::string_view text) { out += text; });
        const int status = fillTable(reader, writer, defaults, error);
        std::string seen = error.empty() ? error : error + "|";
        const auto rows = records(out);
        for (std::size_t r = 1; r < rows.size(); ++r) // after the header
            seen += rows[r][7] + "|" + rows[r][8] + "|";
        EXPECT_EQ(seen + std::to_string(status), expected) << table;
    }
}

} // namespace
} // namespace orbel
