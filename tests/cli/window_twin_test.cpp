#include "cli/csv.h"
#include "cli/lens_table.h"
#include "window_test.h"

#include <QProcess>

namespace orbel::testing {
namespace {

// orbel-lens fills a table exactly as the window fills its fields for the
// same camera, custom resolution, units and texts, its failures included.
TEST_F(WindowTest, CommandLineFillsATableAsTheWindowDoes) {
    // camera, resolution, units, width, distance, focal
    const std::array<LensRequest, 11> rows = {{
        {"5", "", "meters", "0.25", "11.5", ""},
        {"1", "", "meters", "", "10", "35"},
        {"8", "", "meters", "2", "", "12"},
        {"15", "", "feet", "", "10", "8"},
        {"4", "1024", "feet", "15", "25", ""},
        {"12", "", "inches", "2", "", "12"},
        {"13", "1024", "inches", "", "120", "50"},
        {"Quarrow Tera", "1280", "meters", "", "1e300", "1"},
        {"5", "", "meters", "0", "10", ""},
        {"7", "", "feet", "", "", "35"},
        {"5", "", "meters", "1,5", "10", ""},
    }};
    const std::map<std::string, QString> unitControl = {
        {"feet", "Option10"}, {"inches", "Option11"}, {"meters", "Option12"}};
    std::string table;
    CsvWriter writer([&](std::string_view text) { table += text; });
    for (std::string_view name : std::span(kColumns).first(kRequestColumns))
        writer.field(name);
    writer.endRecord();
    for (const LensRequest& row : rows) {
        for (const std::string& text :
             {row.camera, row.resolution, row.units, row.width, row.distance, row.focal})
            writer.field(text);
        writer.endRecord();
    }
    writer.flush();
    QProcess program;
    program.start(ORBEL_LENS, {"--csv", "-"});
    program.write(table.data(), static_cast<qint64>(table.size()));
    program.closeWriteChannel();
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitCode(), 1); // the last three fail
    const QByteArray filled = program.readAllStandardOutput();
    qint64 at = 0;
    CsvReader reader([&](char* buffer, std::size_t size) {
        const qint64 n = std::min<qint64>(static_cast<qint64>(size), filled.size() - at);
        std::copy_n(filled.data() + at, n, buffer);
        at += n;
        return static_cast<std::size_t>(n);
    });
    ASSERT_EQ(reader.next(), CsvReader::Status::Record);

    for (const LensRequest& row : rows) {
        const Preset& camera = *findCamera(row.camera);
        const QString control = QString::fromUtf8(camera.control);
        QString story = camera.page == Page::Frame3 ? "double Frame2;" : "";
        story += "click " + control;
        if (!row.resolution.empty())
            story += ";answer " + QString::fromStdString(row.resolution) + ";double " + control;
        story += ";click " + unitControl.at(row.units);
        for (auto [field, text] :
             {std::pair("Wdth", row.width), {"Dist", row.distance}, {"Fmm", row.focal}})
            story += text.empty() ? QString() : QString(";%1=%2").arg(field, text.c_str());
        open();
        play(story + ";click Command1");
        ASSERT_EQ(reader.next(), CsvReader::Status::Record);
        QStringList cli;
        for (std::size_t c : {3, 4, 5, 6, 8})
            cli << QString::fromStdString(reader.fields()[c]);
        EXPECT_EQ(cli.join('|').toStdString(),
                  QStringList(
                      {shows("Wdth"), shows("Dist"), shows("Fmm"), shows("FOV"), shows("message")})
                      .join('|')
                      .toStdString())
            << story.toStdString();
    }
}

} // namespace
} // namespace orbel::testing
