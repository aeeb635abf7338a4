#include "window_test.h"

namespace orbel::testing {
namespace {

// Only the bare background opens it, or F1; Esc and Enter close it, Enter on
// System Info presses that, and a System Info that finds no tool says so over
// it. A screen reader hears its version and credit as it opens.
TEST_F(WindowTest, TheAboutWindowShowsTitleVersionAndCreditAndClosesOrStartsSystemInfo) {
    expectStories(
        {{"not from a field or frame", "double Label5;double Frame1;double FOV",
          "frmAbout.visible=none"},
         {"F1 opens it, said", "key Dist F1",
          "frmAbout.windowTitle=About Orbel Lens Calculator;cmdOK.focus=true;"
          "frmAbout.acc.role=Dialog;"
          "picIcon.acc.name=Orbel Lens Calculator icon;frmAbout.acc.description="
          "Version 1.2.3. Program to calculate Lens focal distance for Orbel "
          "products. by Tovrik"},
         {"Tab from System Info", "double Form1;key cmdSysInfo Tab", "cmdOK.focus=true"},
         {"Enter on the icon closes", "double Form1;key picIcon Return",
          "frmAbout.visible=false;starts=0"},
         {"System Info starts", "double Form1;key cmdSysInfo Return", "starts=1;message="},
         {"no tool found", "double Form1;click cmdSysInfo;click cmdSysInfo",
          "frmAbout.visible=true;box=frmAbout|Orbel Lens Calculator;"
          "message=System Information Is Unavailable At This Time"},
         {"Esc on the icon", "double Form1;key cmdOK Tab;key picIcon Esc;double Form1;double Form1",
          "frmAbout.visible=true;cmdOK.focus=true"}});
    // Whole on the 800 x 600 offscreen screen: the written place, 595 from the
    // left, would cut it off.
    EXPECT_EQ(find("frmAbout")->geometry().topLeft(), QPoint(800 - 290, 395));
    // Opened again over the active main window, it comes to the front.
    window->activateWindow();
    play("double Form1");
    EXPECT_EQ(QApplication::activeWindow(), find("frmAbout"));
}

} // namespace
} // namespace orbel::testing
