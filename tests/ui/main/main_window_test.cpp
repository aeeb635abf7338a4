#include "window_test.h"

#include <utility>

namespace orbel::testing {
namespace {

// What the user sees, pixel for pixel: the layout, every caption, the
// pictures and the colours at once.
TEST_F(WindowTest, LooksAsDrawn) {
#ifdef _WIN32
    GTEST_SKIP() << "the pictures are drawn on Linux";
#endif
    const std::pair<const char*, const char*> rows[] = {
        {"start", ""},
        {"second-page", "double Frame2"},
        {"cut-results", "Wdth=0.25;Dist=11.5;click Command1"},
        {"negative-focal-length", "Wdth=0.25;Dist=-11.5;click Command1"},
        {"failed-calculation", "Fmm=35;click Command1"},
        {"custom-resolution", "double Option15"},
        {"about-icon-focused", "double Form1;key cmdOK Tab"}};
    for (auto [name, story] : rows) {
        open();
        play(story);
        expectPicture(name);
    }
}

// A field without the focus shows what fits of its text (cut inside the
// fraction, the number rounded, or a fill), with the whole text as its
// tooltip; a screen reader is told all of it, and the focus stays; nothing
// written, nothing said. A failure says why in one box over the main window
// (the fields it leaves as they were are the twin table's). The window
// opens ready for the first calculation, as a screen reader reads it too.
TEST_F(WindowTest, CalculateFillsTheEmptyFieldInEachUnitSystem) {
    expectStories(
        {{"opens ready", "",
          "Form1.acc.role=Window;Frame1.acc.role=Client;Frame1.acc.name=Units;Frame1.acc."
          "labels=3;Wdth.acc.state=editable focusable;FOV.acc.state=disabled readOnly"},
         {"spoken whole", "Dist=10;Fmm=35;click Command1;Fmm=50;double Wdth;click Command1",
          "announced=Object Width 5.555 metres, FOV 31.0463307316003 degrees"},
         {"FOV read whole, focus kept", "Wdth=0.25;Dist=11.5;click Command1",
          "FOV.acc.text=1.24551137441264;Wdth.tip=;FOV.acc.description=;"
          "Command1.focus=true"},
         {"nothing to do, nothing said", "click Command1", "announced=;box="},
         {"failure boxed", "Fmm=35;click Command1", "announced=;box=Form1|Orbel Lens Calculator"},
         {"Enter in a field", "Dist=10;Fmm=35;key Fmm Return", "Wdth="},
         {"Enter on Calculate", "Dist=10;Fmm=35;key Command1 Return", "Wdth=7.936"},
         {"failure empties FOV", "Dist=10;Fmm=35;click Command1;Fmm=;Wdth=0;click Command1",
          "Fmm=;FOV="},
         {"caret at the end", "Fmm=1e-3", "Fmm.acc.caret=3||1e-3|3|"},
         {"caret inside", "Fmm=25;key Fmm Left", "Fmm.acc.caret=25|5|25|5|"}});
}

// Rested on, a field holding a long text shows a tooltip the screen holds, in
// lines, as many as two thirds of the screen take: the text as far as fits
// and how long it is; a thousand digits whole.
TEST_F(WindowTest, ALongTextsTooltipStaysOnTheScreen) {
    find("Wdth")->setProperty("text", QString(10000, 'x'));
    const QString tip = shows("Wdth.tip").remove('\n');
    EXPECT_EQ(tip, QString(tip.indexOf(u'…'), 'x') +
                       "…(10000 characters in all: click into the field to see them)");
    const QRect screen = window->screen()->availableGeometry();
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_TRUE(!top->inherits("QTipLabel") ||
                    (screen.contains(top->geometry()) && top->height() * 5 > screen.height() * 3))
            << top->height();
    const QString number = "1" + QString(999, '0');
    find("Dist")->setProperty("text", number);
    EXPECT_EQ(shows("Dist.tip").remove('\n'), number);
}

// Each typed value above begins with the double-click that empties its field.
TEST_F(WindowTest, UnitsRelabelAndEmptyTheLengthsADoubleClickEmptiesAField) {
    expectStories({{"feet relabels, empties", "Wdth=1;Dist=2;Fmm=3;click Option10",
                    "Label3= Ft;Wdth=;Dist=;Fmm=3;Wdth.acc.name=Object Width, feet"},
                   {"inches calculate", "click Option11;Dist=120;Fmm=50;click Command1",
                    "Label4= in.;Wdth=66.66"},
                   {"meters relabel", "click Option10;Dist=2;click Option12", "Label3= M;Dist="},
                   {"double-click empties", "Wdth=1;Dist=2;double Dist", "Wdth=1;Dist="}});
}

// A camera is its whole box: a click at its far end selects it. The cameras
// other tables select are left out.
TEST_F(WindowTest, EveryCameraWritesItsSensorWidth) {
    const QStringList widths =
        QString("Option13 21.12 Option14 14.08 Option4 13.888 Option8 6.336 Option18 8.46 "
                "Option1 15.36 Option2 7.68 Option5 4.8 Option3 4.736 Option17 17.92")
            .split(' ');
    for (qsizetype i = 0; i < widths.size(); i += 2) {
        play((widths[i] == "Option1" ? "double Frame2;click " : "click ") + widths[i]);
        EXPECT_EQ(shows("Sensor").toStdString(), widths[i + 1].toStdString())
            << widths[i].toStdString();
    }
}

// A page turn shows the other page at its first choice. Tab visits each
// option group at its selected button; hidden controls are skipped.
TEST_F(WindowTest, PageTurnsAndTabStops) {
    expectStories({
        {"each page its choice", "double Frame2;click Option16;double Frame3;click Option9",
         "Frame3.visible=false;Sensor=28.16;Option7.checked=false;Option16.checked=false"},
        {"PgDown turns", "key Option7 PgDown",
         "Frame2.visible=false;Option6.focus=true;Option7.checked=false"},
        {"PgUp turns back", "double Frame2;key Option6 PgUp",
         "Frame2.visible=true;Option7.focus=true"},
        {"Backtab to the cameras", "key Dist Backtab", "Option7.focus=true"},
        {"Tab to a field", "key Form1 Tab", "Dist.focus=true"},
        {"Tab past the hidden page", "click Option10;double Frame2;key Option10 Tab",
         "Option6.focus=true"},
    });
}

// The real input box (its prompt and default text are in its picture): Enter
// and Esc; Esc, a resolution of 0 or below or over a million changes nothing.
TEST_F(WindowTest, SixCamerasTakeACustomResolution) {
    expectStories(
        {{"the default resolution", "double Option15",
          "Sensor=7.04;"
          "Option15=Brava 640;Option15.acc.description=7.04mm. Page Up or "
          "Page Down turns the camera page. Enter sets a custom resolution."},
         {"Lumo 1000", "answer 1000;double Option18",
          "box=Form1|Custom Hor. Resolution;Sensor=6.6"},
         {"Nano 1024", "double Frame2;answer 1024;double Option3",
          "Sensor=7.5776;Option3=Nano/Pico 1024"},
         {"Tera and Giga 1000",
          "double Frame2;answer 1000;double Option17;answer 1000;double Option16",
          "Option17.toolTip=14mm;Sensor=8"},
         {"Giga 1024 kept",
          "double Frame2;answer 1024;double Option16;click Option6;click Option16",
          "Sensor=13.568;Option16=Giga 1024"},
         {"Enter asks too", "click Option4;answer 100;key Option4 Return",
          "Sensor=2.17;Option4=Dalo 100"},
         {"Enter on the others, other keys",
          "key Option7 Return;key Option15 Return;click Option15;key Option15 A", "box="},
         {"refusals change nothing",
          "escape;double Option15;answer 0;double Option15;answer -10;double Option15;answer "
          "1000001;double Option15",
          "Sensor=5.632;Option15.toolTip=5.63mm, 11um"}});
}

} // namespace
} // namespace orbel::testing
