#include "cli/csv.h"
#include "cli/lens_cli.h"
#include "cli/lens_table.h"
#include "support/text_source.h"

#include <cstddef>

#include <gtest/gtest.h>

#include <fstream>
#include <ios>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbel {
namespace {

// orbel-lens run whole: arguments and standard input, then the exit status,
// and what it says: for a usage error (2) the line on standard error, with
// nothing on standard output; else a text standard output holds, with a
// failed calculation's line on standard error. Lines are compared with "\n"
// whatever the platform writes.
struct Call {
    const char* name;
    std::vector<std::string> args;
    std::string in;
    int status;
    std::string says;
    std::string err = "";
};

const std::vector<std::string> kTable = {"--csv", "-"};

// clang-format off
const Call kCalls[] = {
    {"RowsKeptInPlace", kTable, "n,camera,width,distance,x,\n\"A\"\"1\",5,2,1,p,\n\n,,,,,", 0,
     "\"A\"\"1\",5,2,1,p,,,meters,13.888,90,640,\n,,,,,,,,,,,\n,,,,,,,,,,,\n"},
    {"OutputReadBack", kTable,
     "camera,resolution,width,distance,fov,pixels_per_unit,message\n4,1024,2,1,9,9,x", 0, "2,1,90,512,,"},
    {"AllThreeRead", kTable, "width,distance,focal\n1,x,8", 1, ",,Cannot calculate the field of view: Object Distance"},
    {"TabsAnyCase", kTable, " Camera\tUNITS\twidth\tdistance\n 5\t m \t2\t1", 0, " 5\t m \t2\t1\t\t13.888\t"},
    {"Separator", {"--csv", "-", "--separator", ";", "--camera", "15"}, "a,b;width;distance\nx,y;2;1", 0,
     "x,y;2;1;15;;meters;8,96;90;;"},
    {"BadRows", {"--csv", "-", "--units", "feet"}, "camera,resolution,units\n5,,x\n4,0,\n5,\n\"5\"x,,\n\"2\n", 1,
     "5,,x,,,,,,\"line 2: unknown units \"\"x\"\"\"\n4,0,feet,,,,,,\"line 3: resolution \"\"0\"\" is not above zero\"\n"
     "5,,feet,,,,,,line 4: 2 fields where the header has 3\n5,,feet,,,,,,line 5: text after a closing quote\n"
     "\"2\n\",,feet,,,,,,line 6: a quote is not closed\n"},
    {"BatchesInOrder", kTable, [] { std::string t = "width,distance,camera,n\n"; for (int i = 0; i < 9000; ++i) t += "2,1,5," + std::to_string(i) + "\n"; return t; }(), 0,
     "\n2,1,5,8191,,meters,13.888,90,640,\n2,1,5,8192,"},
    {"FieldTooLong", kTable, "camera,n\n5," + std::string(CsvReader::kLongestField + 1, '5') + "\n5,y", 1,
     "\n5," + std::string(CsvReader::kLongestField, '5') + ",,meters,,,,,,line 2: a field longer than 65536 bytes\n5,y,,meters,,,,,,\n"},
    {"CommaInACommaTable", kTable, "width,distance\n\"1,5\",1", 1, "write the decimal point (1.5)"},
    {"MarkAndBlankLines", kTable, "\xEF\xBB\xBF" "camera,width,distance\n\n5,2,1\r\n\xEF\xBB\xBF\x35,2,1\n5,2,1", 1,
     ",,,,,,,,\n5,2,1,,meters,13.888,90,640,\n\xEF\xBB\xBF\x35,2,1,,meters,,,,\"line 4: unknown camera \"\"\xEF\xBB\xBF\x35\"\"\"\n5,2,1,,meters,13.888"},
    {"SeparatorOfTheWholeLine", kTable, "\"p;q;r;s\",a;b;c;d,camera,width,distance,e\nx,;,5,2,1,", 0, "x,;,5,2,1,,,meters,13.888"},
    {"TooManyFieldsThenTooLong", kTable, "camera\n5" + std::string(300, ',') + std::string(CsvReader::kLongestField + 1, '5'), 1, "line 2: more than 256 fields"},
    {"RepeatedColumn", kTable, "\nwidth,Width", 2, "-, line 2: repeated column \"Width\""},
    {"MalformedHeader", kTable, "\"width", 2, "-, line 1: a quote is not closed"},
    {"Empty", kTable, "", 0, ","},
    {"EmptyFileName", {"--csv", ""}, "", 2, "--csv needs a file name"},
    {"BadCameraBeside", {"--csv", "-", "--camera", "99"}, "camera\n5", 2, "unknown camera \"99\""},
    {"BadWidthBeside", {"--csv", "-", "--width", "x"}, "width\n1", 2, "--width \"x\" is not a number"},
    {"CsvAndList", {"--csv", "-", "--list-cameras"}, "", 2, "--list-cameras takes no other option"},
    {"NoFile", {"--csv", "x"}, "", 2, "cannot open x: No such file or directory"},
    {"ShortHelp", {"-h"}, "", 0, "1 a calculation or a row failed (its\nmessage says why), 2 bad usage"},
    {"BadSeparator", {"--csv", "-", "--separator", "x"}, "", 2, "--separator is , ; or tab, not \"x\""},
    {"DashDash", {"--", "--width"}, "", 2, "unexpected argument --width"},
    {"List", {"--list-cameras"}, "", 0,
     "1  takes --resolution\n 9   Hexa /Pask 1280x1024                    15.36 mm  page 2\n10  "},
    {"One", {"--units", "feet", "--width", "0.25", "--distance=11.5"}, "", 0, "11.5 Ft\nLens f: 1277.696 mm\n"},
    {"OneFails", {"--width", "1,5", "--distance", "10"}, "", 1, "Lens f:\n",
     "Cannot calculate Lens f: Object Width is not a number: write the decimal point (1.5), not a comma.\n"},
    {"OneRefused", {"--camera", "7", "--resolution", "1024"}, "", 2, "camera \"Dalo Mini\" takes no custom resolution"},
    {"NoValue", {"--units", "inches", "--focal"}, "", 2, "--focal needs a value"},
    {"UnknownOption", {"--bogus"}, "", 2, "unknown option --bogus (--help lists them)"},
    {"UnknownShortOption", {"-x"}, "", 2, "unknown option -x (--help lists them)"},
};
// clang-format on

// A table's lines end in CRLF everywhere, the others in kLineEnd.
std::string lines(std::string text) {
    std::erase(text, '\r');
    return text;
}

TEST(OrbelLens, RunsAsAUserCallsIt) {
    for (const Call& run : kCalls) {
        for (std::size_t piece = 3; piece <= 5; piece += 2) { // input in pieces
            std::string_view in = run.in;
            std::ostringstream out, err;
            const int status = runLensCli(run.args, from(in, piece), out, err);
            const std::string written = lines(out.str()), said = lines(err.str());
            EXPECT_EQ(status, run.status) << run.name;
            if (run.status == 2)
                EXPECT_EQ(written + said, "orbel-lens: " + run.says + "\n") << run.name;
            else
                EXPECT_TRUE(written.find(run.says) != std::string::npos && said == run.err)
                    << run.name << "\n" + written << said;
        }
    }
}

// Output that cannot be written, a full disk, is an error too.
TEST(OrbelLens, SaysWhenItCannotWrite) {
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    const std::string args[] = {"--version"};
    EXPECT_EQ(runLensCli(args, nullptr, out, err), 2);
    EXPECT_EQ(lines(err.str()), "orbel-lens: cannot write the output\n");
}

// A site table as LibreOffice Calc saved it in German (";", "11,5"), and
// Calc's reading of orbel-lens's answer saved again with each text quoted:
// unquoted, every number Calc read as a number, exactly as written.
TEST(OrbelLens, SpreadsheetReadsTheNumbersBack) {
    std::ifstream read(ORBEL_TABLES "site-de-calc.csv");
    std::string calc(std::istreambuf_iterator<char>(read), {});
    std::erase(calc, '"');
    std::ostringstream out, err;
    const std::string args[] = {"--csv", ORBEL_TABLES "site-de.csv"};
    EXPECT_EQ(runLensCli(args, nullptr, out, err), 0);
    EXPECT_EQ(lines(out.str()), calc);
}

} // namespace
} // namespace orbel
