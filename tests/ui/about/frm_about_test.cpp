#include "form1_fixture.h"
#include "runtime/program_starter.h"
#include "ui/about/launcher/registry.h"
#include "ui/about/launcher/sys_info_launcher.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

namespace orbel::testing {
namespace {

class AboutTest : public Form1Test {
protected:
    // Opens the About window as the user does, from the main window's background.
    QWidget* openAbout() {
        doubleClick(window.get(), QPoint(380, 300));
        const auto all = aboutWindows();
        EXPECT_EQ(all.size(), 1);
        return all.isEmpty() ? nullptr : all.front();
    }
    template <typename T = QWidget> static T* in(QWidget* about, const char* name) {
        T* found = about->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString textOf(QWidget* about, const char* name) {
        if (auto* label = qobject_cast<QLabel*>(in(about, name)))
            return label->text();
        return in<QAbstractButton>(about, name)->text();
    }
};

TEST_F(AboutTest, ShowsTitleVersionAndCredit) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Orbel Lens Calculator");
    const struct {
        const char* control;
        const char* text;
    } rows[] = {
        {"lblTitle", "Orbel Lens Calculator"},
        {"lblVersion", "Version 1.2.3"},
        {"lblDescription", "Program to calculate Lens focal distance for Orbel products"},
        {"lblDisclaimer", "by Tovrik"},
        {"cmdOK", "OK"},
        {"cmdSysInfo", "&System Info..."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(textOf(about, row.control), row.text) << row.control;
}

TEST_F(AboutTest, IsLaidOutAsDescribed) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->size(), QSize(290, 200));
    EXPECT_EQ(about->minimumSize(), about->maximumSize()); // not resizable
    const struct {
        const char* control;
        QRect pixels;
    } rows[] = {
        {"cmdOK", {176, 136, 84, 23}},        {"cmdSysInfo", {176, 168, 83, 23}},
        {"picIcon", {8, 8, 32, 32}},          {"lblDescription", {70, 75, 155, 38}},
        {"lblTitle", {70, 16, 123, 32}},      {"lblVersion", {70, 52, 107, 15}},
        {"lblDisclaimer", {8, 168, 161, 23}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(in(about, row.control)->geometry(), row.pixels) << row.control;
}

TEST_F(AboutTest, StaysWholeOnASmallScreen) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    // The offscreen screen is 800 x 600: the written place would put the
    // window's right part off the screen.
    ASSERT_LT(available.right(), 595 + 290);
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(available.contains(about->geometry()));
    EXPECT_EQ(about->geometry().top(), 395);
}

TEST_F(AboutTest, OpensWithTheFocusOnOkAndTabsThroughItsStops) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->focusWidget(), in(about, "cmdOK"));
    for (const char* expected : {"picIcon", "cmdSysInfo", "cmdOK"}) {
        QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(about->focusWidget()->objectName(), expected);
    }
}

TEST_F(AboutTest, KeysThatCloseIt) {
    const struct {
        const char* name;
        const char* focus;
        Qt::Key key;
        bool closes;
        int sysInfoStarts;
    } rows[] = {
        {"Esc", "cmdOK", Qt::Key_Escape, true, 0},
        {"Enter on OK", "cmdOK", Qt::Key_Return, true, 0},
        {"Enter on the picture", "picIcon", Qt::Key_Return, true, 0},
        {"Esc on System Info", "cmdSysInfo", Qt::Key_Escape, true, 0},
        {"Enter on System Info presses it", "cmdSysInfo", Qt::Key_Return, false, 1},
        {"Space on System Info presses it", "cmdSysInfo", Qt::Key_Space, false, 1},
    };
    for (const auto& row : rows) {
        sysInfoStarts = 0;
        QWidget* about = openAbout();
        ASSERT_NE(about, nullptr) << row.name;
        in(about, row.focus)->setFocus();
        QTest::keyClick(in(about, row.focus), row.key);
        EXPECT_EQ(about->isVisible(), !row.closes) << row.name;
        EXPECT_EQ(sysInfoStarts, row.sysInfoStarts) << row.name;
        closeAboutWindows();
    }
}

TEST_F(AboutTest, OkClosesAndTheNextDoubleClickLoadsItAgain) {
    QWidget* first = openAbout();
    ASSERT_NE(first, nullptr);
    click(in(first, "cmdOK"));
    EXPECT_FALSE(first->isVisible());
    QWidget* second = openAbout();
    EXPECT_EQ(second, first); // one window object for the run
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->windowTitle(), "About Orbel Lens Calculator");
    EXPECT_EQ(textOf(second, "lblVersion"), "Version 1.2.3");
    EXPECT_EQ(second->focusWidget(), in(second, "cmdOK"));
}

TEST_F(AboutTest, ASecondDoubleClickMakesNoSecondWindow) {
    openAbout();
    openAbout();
    EXPECT_EQ(aboutWindows().size(), 1);
    EXPECT_EQ(visibleAboutWindows(), 1);
}

TEST_F(AboutTest, SystemInfoRunsTheLauncherAndLeavesTheWindowOpen) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    click(in(about, "cmdSysInfo"));
    click(in(about, "cmdSysInfo"));
    EXPECT_EQ(sysInfoStarts, 2);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutTest, SystemInfoStartsTheDesktopsToolOrSaysItIsUnavailable) {
    // The program's own road on Linux: the desktop's registry layer over a
    // search path made here, the real launcher and starter. The fake tool
    // leaves a marker beside itself.
    QTemporaryDir folder;
    const QString tool = folder.filePath(QStringLiteral("hardinfo"));
    const QString marker = tool + QStringLiteral(".marker");
    QFile script(tool);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started > \"$0.marker\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::string searchPath;
    SystemProgramStarter starter;
    window = std::make_unique<Form1>(boxes, [&] {
        DesktopRegistry registry(searchPath);
        SysInfoLauncher(registry, starter, boxes).StartSysInfo();
    });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);

    const struct {
        std::string searchPath;
        bool started;
    } rows[] = {{folder.path().toStdString(), true}, {"", false}};
    for (const auto& row : rows) {
        QFile::remove(marker);
        boxes.messages.clear();
        searchPath = row.searchPath;
        click(in(about, "cmdSysInfo"));
        for (int waited = 0; row.started && !QFile::exists(marker) && waited < 5000; waited += 20)
            QTest::qWait(20);
        EXPECT_EQ(QFile::exists(marker), row.started) << row.searchPath;
        ASSERT_EQ(boxes.messages.size(), row.started ? 0U : 1U) << row.searchPath;
        if (!row.started) {
            EXPECT_EQ(boxes.messages[0].text, "System Information Is Unavailable At This Time");
        }
        EXPECT_TRUE(about->isVisible());
    }
}

TEST_F(AboutTest, TheProgramEndsWhenTheLastWindowClosesNotTheMainOne) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowHandle()->transientParent(), nullptr);
    // Run the program's event loop: close the main window, then the About
    // window. The loop must end only after the second.
    bool aboutOpenAfterMainClosed = false;
    QTimer::singleShot(0, window.get(), [&] {
        window->close();
        QTimer::singleShot(50, about, [&] {
            aboutOpenAfterMainClosed = about->isVisible();
            about->close();
        });
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    guard.stop();
    EXPECT_TRUE(aboutOpenAfterMainClosed);
    EXPECT_FALSE(about->isVisible());
}

} // namespace
} // namespace orbel::testing
