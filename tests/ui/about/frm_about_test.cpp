#include "runtime/program_starter.h"
#include "ui/about/launcher/registry.h"
#include "ui/about/launcher/sys_info_launcher.h"
#include "window_test.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace orbel::testing {
namespace {

using AboutTest = WindowTest;

TEST_F(AboutTest, ShowsTitleVersionAndCreditWholeAndOnScreen) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Orbel Lens Calculator");
    EXPECT_EQ(about->size(), QSize(290, 200));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->font(), window->font());
    // clang-format off
    const struct { const char* name; const char* text; QRect pixels; } rows[] = {
        {"lblTitle",       "Orbel Lens Calculator",                                       {70, 16, 123, 32}},
        {"lblVersion",     "Version 1.2.3",                                               {70, 52, 107, 15}},
        {"lblDescription", "Program to calculate Lens focal distance for Orbel products", {70, 75, 155, 38}},
        {"lblDisclaimer",  "by Tovrik",                                                   {8, 168, 161, 23}},
        {"cmdOK",          "OK",                                                          {176, 136, 84, 23}},
        {"cmdSysInfo",     "&System Info...",                                             {176, 168, 83, 23}},
        {"picIcon",        "",                                                            {8, 8, 32, 32}}};
    // clang-format on
    for (const auto& row : rows) {
        QWidget* control = find(row.name, about);
        EXPECT_EQ(control->property("text").toString(), row.text);
        EXPECT_EQ(control->geometry(), row.pixels) << row.name;
        // Whole in its box, wrapped where it must be.
        EXPECT_LE(control->minimumSizeHint().width(), control->width()) << row.name;
        EXPECT_LE(control->heightForWidth(control->width()), control->height()) << row.name;
    }
    // The offscreen screen is 800 x 600: the written place, 595 from the
    // left, would cut the window off, so it moves in just enough.
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(about->geometry()));
    EXPECT_EQ(about->geometry().topLeft(), QPoint(800 - 290, 395));
    EXPECT_EQ(about->focusWidget(), find("cmdOK", about));
    for (const char* next : {"picIcon", "cmdSysInfo", "cmdOK"}) {
        QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(about->focusWidget()->objectName(), next);
    }
}

TEST_F(AboutTest, KeysAndButtonsCloseItOrStartSystemInfo) {
    const struct {
        const char* focus;
        Qt::Key key; // 0: a mouse click
        bool closes;
        int starts;
    } rows[] = {{"cmdOK", Qt::Key_Escape, true, 0},       {"cmdOK", Qt::Key_Return, true, 0},
                {"picIcon", Qt::Key_Return, true, 0},     {"cmdSysInfo", Qt::Key_Escape, true, 0},
                {"cmdSysInfo", Qt::Key_Return, false, 1}, {"cmdSysInfo", Qt::Key_Space, false, 1},
                {"cmdOK", Qt::Key(0), true, 0},           {"cmdSysInfo", Qt::Key(0), false, 1}};
    QWidget* first = nullptr;
    for (const auto& row : rows) {
        sysInfoStarts = 0;
        QWidget* about = openAbout();
        openAbout(); // a second double-click makes no second window
        first = first ? first : about;
        EXPECT_EQ(about, first) << "one window object for the run";
        EXPECT_EQ(about->focusWidget(), find("cmdOK", about)) << "each load starts on OK";
        find(row.focus, about)->setFocus();
        row.key ? QTest::keyClick(find(row.focus, about), row.key) : click(find(row.focus, about));
        EXPECT_EQ(about->isVisible(), !row.closes) << row.focus << " " << row.key;
        EXPECT_EQ(sysInfoStarts, row.starts) << row.focus << " " << row.key;
        about->close();
    }
}

#ifndef _WIN32
// On a desktop, System Info starts the first system-information tool along
// the search path, tool by tool, through the real window, layer and starter.
// Folders, files that cannot run and relative entries are skipped. a:
// hardinfo not executable, kinfocenter a folder, cpu-x; b: hardinfo and
// kinfocenter; c: nothing.
TEST_F(AboutTest, SystemInfoStartsTheDesktopsFirstToolAlongTheSearchPath) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "orbel-desktop";
    for (const char* folder : {"a/kinfocenter", "b", "c"})
        fs::create_directories(root / folder);
    for (const char* tool : {"a/hardinfo", "a/cpu-x", "b/hardinfo", "b/kinfocenter"}) {
        std::ofstream(root / tool) << "#!/bin/sh\necho started > \"$0.marker\"\n";
        fs::permissions(root / tool, tool == std::string("a/hardinfo") ? fs::perms::owner_read
                                                                       : fs::perms::owner_all);
    }
    const std::string a = (root / "a").string(), b = (root / "b").string(),
                      c = (root / "c").string();
    std::string searchPath;
    SystemProgramStarter starter;
    window = std::make_unique<Form1>(boxes, [&] {
        DesktopRegistry registry(searchPath);
        SysInfoLauncher(registry, starter, boxes).StartSysInfo();
    });
    window->show();
    QWidget* about = openAbout();
    const std::pair<std::string, std::string> rows[] = {{"", ""},
                                                        {c, ""},
                                                        {a, a + "/cpu-x"},
                                                        {a + ":" + b, b + "/hardinfo"},
                                                        {"::" + c + ":" + b + "/", b + "/hardinfo"},
                                                        {fs::relative(b).string() + ":.", ""}};
    for (const auto& [path, started] : rows) {
        boxes.messages.clear();
        searchPath = path;
        click(find("cmdSysInfo", about));
        for (int waited = 0; !started.empty() && waited < 5000 && !fs::exists(started + ".marker");
             waited += 20)
            QTest::qWait(20);
        EXPECT_TRUE(started.empty() || fs::remove(started + ".marker")) << path;
        EXPECT_EQ(boxes.messages.size(), started.empty() ? 1U : 0U) << path;
        for (const auto& message : boxes.messages)
            EXPECT_EQ(message.text, "System Information Is Unavailable At This Time");
        EXPECT_TRUE(about->isVisible());
    }
    fs::remove_all(root);
}
#endif

// The About window stands on its own: the program ends when the last window
// closes, not the main one.
TEST_F(AboutTest, TheProgramEndsWhenTheLastWindowCloses) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    bool openAfterMainClosed = false;
    QTimer::singleShot(0, window.get(), [&] {
        window->close();
        QTimer::singleShot(50, about, [&] {
            openAfterMainClosed = about->isVisible();
            about->close();
        });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(openAfterMainClosed);
}

} // namespace
} // namespace orbel::testing
