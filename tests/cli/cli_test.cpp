#include "cli/csv.h"
#include "cli/lens_cli.h"
#include "cli/lens_table.h"
#include "support/tables.h"

#include <cstddef>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbel {
namespace {

// orbel-lens run whole: arguments and standard input, then the exit status,
// a text standard output holds (none at all when empty) and the line on
// standard error. Lines are compared with "\n" whatever the platform writes.
struct Call {
    const char* name;
    std::vector<std::string> args;
    std::string in;
    int status;
    std::string out;
    std::string err;
};

const std::vector<std::string> kTable = {"--csv", "-"};

// clang-format off
const Call kCalls[] = {
    {"OwnColumnsStayInPlaceBlankRowsStayEmpty", kTable,
     "name,camera,units,width,distance,focal,notes,\n\"A\"\"1\",5,meters,0.25,11.5,,pole 1,\n\n,,,,,,,\n", 0,
     "name,camera,units,width,distance,focal,notes,,resolution,fov,pixels_per_unit,message\n"
     "\"A\"\"1\",5,meters,0.25,11.5,1277.696,pole 1,,,1.24551137441264,5120,\n,,,,,,,,,,,\n,,,,,,,,,,,\n", ""},
    {"OwnOutputReadsBackOverwritten", kTable,
     "camera,resolution,units,width,distance,focal,fov,pixels_per_unit,message\n"
     "4,1024,feet,15,25,,9,9,old\n", 0, ",18.773,33.3990484728694,68.2666666666667,\n", ""},
    {"AllThreeFilledEachRead", kTable, "camera,width,distance,focal\n5,1,hello,8\n", 1,
     "5,1,hello,8,,meters,,,Cannot calculate the field of view: Object Distance is not a number.\n", ""},
    {"SemicolonsKeepDecimalCommas", kTable, "camera;units;width;distance;focal\n5; m ;;11,5;1277,696\n", 0,
     "5; m ;0,25;11,5;1277,696;;1,24551137441264;5120;\n", ""},
    {"TabAndNamesInAnyCase", kTable, " Camera\tUNITS\twidth\tdistance\tfocal\n15\tFt\t\t10\t8\n12\tIn.\t2\t\t12\n", 0,
     "15\tFt\t22.4\t10\t8\t\t96.4794005922043\t\t\n12\tIn.\t2\t5.004\t12\t\t\t\t\n", ""},
    {"SeparatorGiven", {"--csv", "-", "--separator", ";", "--camera", "15"}, "a,b;width;distance\nx,y;1;5\n", 0,
     "x,y;1;5;15;;meters;89,6;11,4211862749993;;\n", ""},
    {"RowsThatCannotBeReadKeepTheirPlace", {"--csv", "-", "--camera=2", "--units", "feet"},
     "camera,resolution,units,width\n16,,,1\n5,,yards,1\n4,x,,1\n4,-10,,1\n7,1024,,1\n5,,\n\"5\"x,,,\n\"2\n", 1,
     "16,,feet,1,,,,,\"line 2: unknown camera \"\"16\"\"\"\n5,,yards,1,,,,,\"line 3: unknown units \"\"yards\"\"\"\n"
     "4,x,feet,1,,,,,\"line 4: resolution \"\"x\"\" is not a number\"\n"
     "4,-10,feet,1,,,,,\"line 5: resolution \"\"-10\"\" is not above zero\"\n"
     "7,1024,feet,1,,,,,\"line 6: camera \"\"Dalo Mini\"\" takes no custom resolution\"\n"
     "5,,feet,,,,,,line 7: 3 fields where the header has 4\n5,,feet,,,,,,line 8: text after a closing quote\n"
     "\"2\n\",,feet,,,,,,line 9: a quote is not closed\n", ""},
    {"FieldTooLongNextRowRead", kTable, "camera\n" + std::string(CsvReader::kLongestField + 1, '5') + "\n5", 1,
     "line 2: a field longer than 65536 bytes\n5,,meters,,,,,,\n", ""},
    {"MarkAndBlankLinesBeforeTheHeader", kTable, "\xEF\xBB\xBF\ncamera,width,distance\n5,2,3\r\n", 0, "5,2,3,,meters,41.664,36.869897645844,640,", ""},
    {"RepeatedColumn", kTable, "width,Width\n", 2, "", "-, line 1: repeated column \"Width\""},
    {"EmptyFileName", {"--csv", ""}, "", 2, "", "--csv needs a file name"},
    {"BadCameraBesideATable", {"--csv", "-", "--camera", "99"}, "camera\n5\n", 2, "", "unknown camera \"99\""},
    {"BadWidthBesideATable", {"--csv", "-", "--width", "abc"}, "width\n1\n", 2, "", "--width \"abc\" is not a number"},
    {"TableWithTheList", {"--csv", "-", "--list-cameras"}, "", 2, "", "--list-cameras takes no other option"},
    {"FileThatIsNot", {"--csv", "no such.csv"}, "", 2, "", "cannot open no such.csv: No such file or directory"},
    {"ShortHelp", {"-h"}, "", 0, "  --                 ends the options\n", ""},
    {"DashesEndTheOptions", {"--", "--width"}, "", 2, "", "unexpected argument --width"},
    {"ListSaysWhichTakeAResolution", {"--list-cameras"}, "", 0,
     "page 1  takes --resolution\n 9   Hexa /Pask 1280x1024                    15.36 mm  page 2\n10  ", ""},
    {"OneCalculation", {"--width", "0.25", "--distance=11.5"}, "", 0, "Lens f: 1277.696 mm\n", ""},
    {"OneCalculationFails", {"--width", "0", "--distance", "10"}, "", 1, "Lens f:\n",
     "Cannot calculate Lens f: Object Width is zero."},
    {"OneCalculationRefused", {"--camera", "3", "--resolution", "1024"}, "", 2, "",
     "camera \"Brava - 1280x960\" takes no custom resolution"},
    {"OptionWithoutItsValue", {"--units", "inches", "--focal"}, "", 2, "", "--focal needs a value"},
    {"UnknownOption", {"--bogus"}, "", 2, "", "unknown option --bogus (--help lists them)"},
};
// clang-format on

// A table's lines end in CRLF everywhere, the others in kLineEnd.
std::string lines(std::string text) {
    std::erase(text, '\r');
    return text;
}

TEST(OrbelLens, RunsAsAUserCallsIt) {
    for (const Call& run : kCalls) {
        std::string_view in = run.in;
        std::ostringstream out, err;
        const int status = runLensCli(run.args, from(in, 5), out, err); // input in pieces
        const std::string written = lines(out.str());
        EXPECT_EQ(status, run.status) << run.name;
        EXPECT_TRUE(run.out.empty() ? written.empty() : written.find(run.out) != std::string::npos)
            << run.name << "\n"
            << written;
        const std::string said = (run.status == 2 ? "orbel-lens: " : "") + run.err + "\n";
        EXPECT_EQ(lines(err.str()), run.err.empty() ? "" : said) << run.name;
    }
}

// A site table as LibreOffice Calc saved it in German and in English, and
// Calc's reading of orbel-lens's answer saved again with each text quoted:
// unquoted, every number Calc read as a number, exactly as written.
TEST(OrbelLens, SpreadsheetReadsTheNumbersBack) {
    for (const std::string table : {"site-de", "site-en"}) {
        std::ifstream read(ORBEL_TABLES + table + "-calc.csv", std::ios::binary);
        std::string calc(std::istreambuf_iterator<char>(read), {});
        std::erase(calc, '"');
        std::ostringstream out, err;
        const std::string args[] = {"--csv", ORBEL_TABLES + table + ".csv"};
        EXPECT_EQ(runLensCli(args, nullptr, out, err), 1);
        EXPECT_EQ(lines(out.str()), calc) << table;
    }
}

} // namespace
} // namespace orbel
