#include "calc/sensor_catalogue.h"
#include "cli/lens_table.h"
#include "support/tables.h"
#include "ui/dialog_boxes.h"
#include "ui/main/main_window_layout.h"
#include "window_test.h"

#include <QProcess>

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <utility>

namespace orbel::testing {
namespace {

// orbel-lens fills a table exactly as the window fills its fields for the
// same camera, custom resolution, units and texts, its failures included.
TEST_F(WindowTest, CommandLineFillsATableAsTheWindowDoes) {
    const char* table = "camera,resolution,units,width,distance,focal\n"
                        "5,,meters,0.25,11.5,\n"
                        "Quarrow Tera,1280,inches,,1e300,50\n"
                        "7,,feet,,,35\n"
                        "5,,meters,\"1,5\",10,\n";
    QProcess program;
    program.start(ORBEL_LENS, {"--csv", "-"});
    program.write(table);
    program.closeWriteChannel();
    ASSERT_TRUE(program.waitForFinished());
    // the last two fail
    EXPECT_EQ(program.exitCode(), 1);
    const auto rows = records(table), filled = records(program.readAllStandardOutput().data());
    ASSERT_EQ(filled.size(), rows.size());
    // The columns the window shows as fields, and its message.
    const std::pair<std::size_t, const char*> fields[] = {
        {3, "Wdth"}, {4, "Dist"}, {5, "Fmm"}, {6, "FOV"}, {8, "message"}};
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        const std::size_t place = *findCamera(row[0]);
        const std::string control(kCameraControls[place]);
        std::string story = presets()[place].page == Page::Second ? "double Frame2;" : "";
        story += "click " + control;
        if (!row[1].empty())
            story += ";answer " + row[1] + ";double " + control;
        story += ";click " + std::string(kUnits[std::size_t(*findUnits(row[2]))].control);
        for (auto [at, field] : std::span(fields).first(3))
            if (!row[at].empty())
                story += std::string(";") + field + "=" + row[at];
        open();
        play(QString::fromStdString(story + ";click Command1"));
        for (auto [at, field] : fields)
            EXPECT_EQ(filled[r][at], shows(field).toStdString()) << story;
    }
}

} // namespace
} // namespace orbel::testing
