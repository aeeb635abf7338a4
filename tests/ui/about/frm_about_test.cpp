#include "runtime/program_starter.h"
#include "sysinfo/desktop_registry.h"
#include "sysinfo/sys_info_launcher.h"
#include "window_test.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace orbel::testing {
namespace {

// clang-format off
// Only the bare background opens it (the hidden sensor row counts as background), or F1.
TEST_F(WindowTest, TheAboutWindowShowsTitleVersionAndCreditAndClosesOrStartsSystemInfo) {
    expectStories({{"double Label5", "frmAbout.visible=none"}, {"double Frame1", "frmAbout.visible=none"}, {"double FOV", "frmAbout.visible=none"},
        {"double Option10", "frmAbout.visible=none"}, {"double Option9", "frmAbout.visible=none"}, {"double Dist", "frmAbout.visible=none"},
        {"double Command1", "frmAbout.visible=none"}, {"double Frame2", "frmAbout.visible=none;Frame3.visible=true"}, {"double Form1 250 15", "frmAbout.visible=true"}, {"double Form1", "frmAbout.visible=true"},
        {"double Form1", "frmAbout.windowTitle=About Orbel Lens Calculator;lblTitle=Orbel Lens Calculator;lblVersion=Version 1.2.3;"
                       "lblDescription=Program to calculate Lens focal distance for Orbel products;lblDisclaimer=by Tovrik;"
                       "cmdOK=OK;cmdSysInfo=&System Info...;cmdOK.focus=true;frmAbout.width=290;frmAbout.height=200;frmAbout.maximumWidth=290;"
                       "frmAbout.minimumHeight=200;lblDescription.x=70;lblDescription.width=155;cmdSysInfo.y=168;picIcon.width=32;picIcon.acc.name=Orbel Lens Calculator icon;"
                       "frmAbout.acc.description=Version 1.2.3. Program to calculate Lens focal distance for Orbel products. by Tovrik"},
        {"double Form1;key cmdOK Tab", "picIcon.focus=true"}, {"key Dist F1", "frmAbout.visible=true"}, {"double Form1;key picIcon Tab", "cmdSysInfo.focus=true"},
        {"double Form1;key cmdSysInfo Tab", "cmdOK.focus=true"},
        {"double Form1;key cmdOK Esc", "frmAbout.visible=false;starts=0"},      {"double Form1;key cmdOK Return", "frmAbout.visible=false;starts=0"},
        {"double Form1;key picIcon Return", "frmAbout.visible=false;starts=0"}, {"double Form1;key cmdSysInfo Esc", "frmAbout.visible=false;starts=0"},
        {"double Form1;key cmdSysInfo Return", "frmAbout.visible=true;starts=1"}, {"double Form1;key cmdSysInfo Space", "frmAbout.visible=true;starts=1"},
        {"double Form1;click cmdOK", "frmAbout.visible=false;starts=0"},
        {"double Form1;click cmdSysInfo;click cmdSysInfo", "frmAbout.visible=true;starts=2"},
        {"double Form1;click cmdOK;double Form1;double Form1", "frmAbout.visible=true;cmdOK.focus=true;lblVersion=Version 1.2.3"}});
    // Whole on the 800 x 600 offscreen screen (the written place, 595 from the
    // left, would cut it off), fixed in size, in the window's font, every text
    // whole in its box.
    EXPECT_EQ(about()->geometry().topLeft(), QPoint(800 - 290, 395));
    EXPECT_EQ(about()->font(), window->font());
    // No window owns it, so it stays open, and the program runs, after the main window closes.
    EXPECT_EQ(about()->windowHandle()->transientParent(), nullptr);
    for (QWidget* control : about()->findChildren<QWidget*>())
        EXPECT_TRUE(control->minimumSizeHint().width() <= control->width() &&
                    control->heightForWidth(control->width()) <= control->height())
            << control->objectName().toStdString();
}
// clang-format on

#ifndef _WIN32
// On a desktop, System Info starts the first system-information tool along
// the search path, tool by tool, through the real window, layer and starter.
// Folders, files that cannot run and relative entries are skipped. a:
// hardinfo not executable, kinfocenter a folder, cpu-x; b: hardinfo and
// kinfocenter; c: nothing.
TEST_F(WindowTest, SystemInfoStartsTheDesktopsFirstToolAlongTheSearchPath) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    // b's name would run a second command if a shell ever read the path.
    const std::string a = (root / "a").string(), b = (root / "b; touch pwned & 'q'").string(),
                      c = (root / "c").string();
    fs::create_directories(a + "/kinfocenter");
    fs::create_directories(b);
    for (const std::string& tool :
         {a + "/hardinfo", a + "/cpu-x", b + "/hardinfo", b + "/kinfocenter"}) {
        std::ofstream(tool) << "#!/bin/sh\necho started > \"$0.marker\"\n";
        fs::permissions(tool,
                        tool == a + "/hardinfo" ? fs::perms::owner_read : fs::perms::owner_all);
    }
    std::string searchPath;
    SystemProgramStarter starter;
    window = std::make_unique<Form1>(boxes, [&] {
        DesktopRegistry registry(searchPath);
        SysInfoLauncher(registry, starter, boxes).StartSysInfo();
    });
    window->show();
    play("double Form1");
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"", ""}, {c, ""}, {a, a + "/cpu-x"}, {a + ":" + b, b + "/hardinfo"}, {"::" + c + ":" + b + "/", b + "/hardinfo"},
        {fs::relative(b).string() + ":.", ""}};
    // clang-format on
    for (const auto& [path, started] : rows) {
        boxes.messages.clear();
        searchPath = path;
        play("click cmdSysInfo");
        for (int waited = 0; !started.empty() && !fs::exists(started + ".marker") && waited < 5000;
             waited += 20)
            QTest::qWait(20);
        EXPECT_TRUE(started.empty() || fs::remove(started + ".marker")) << path;
        EXPECT_EQ(shows("message") + shows("frmAbout.visible"),
                  QString(started.empty() ? "System Information Is Unavailable At This Time" : "") +
                      "true")
            << path;
    }
    EXPECT_FALSE(fs::exists("pwned") || fs::exists(root / "pwned"));
    fs::remove_all(root);
}
#endif

} // namespace
} // namespace orbel::testing
