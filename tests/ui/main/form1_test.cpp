#include "ui/dialog_boxes.h"
#include "ui/window_look.h"
#include "window_test.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace orbel::testing {
namespace {

// clang-format off
// A few controls pin the layout; a screen reader knows each field by the caption beside it.
TEST_F(WindowTest, OpensReadyForTheFirstCalculation) {
    expectStories({{"", "Form1.windowTitle=Orbel Lens Calculator;Sensor=27.776;Label3=M;Label4=M;Option12.checked=true;Option7.checked=true;Dist.focus=true;"
                        "Frame2.visible=true;Frame3.visible=false;Sensor.visible=false;Label7.visible=false;Label8.visible=false;FOV.enabled=false;"
                        "Form1.width=420;Form1.height=324;Fmm.x=232;Fmm.y=80;Fmm.width=33;Wdth.y=144;Wdth.width=49;Command1.x=168;Command1.height=33;"
                        "Option7.y=160;Option7.width=105;Form1.acc.role=Window;Frame1.acc.role=Client;Wdth.acc.name=Object Width, metres;Dist.acc.name=Object Distance, metres;"
                        "Fmm.acc.name=Lens f, millimetres;FOV.acc.name=FOV, degrees;FOV.acc.state=disabled readOnly;Option7.acc.description=27.77mm. Page Up or Page Down turns the camera page."}});
    // Every caption is whole in its box, on both pages, in an installed font of the window's.
    EXPECT_TRUE(QString(kFormFontFamily.data()).split(',').contains(QFontInfo(window->font()).family()));
    // clang-format on
    for (QRadioButton* button : window->findChildren<QRadioButton*>()) {
        QStyleOptionButton style;
        style.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, button);
        EXPECT_TRUE(room.contains(button->fontMetrics().boundingRect(
            room, Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text())))
            << button->text().toStdString();
    }
    for (QLabel* label : window->findChildren<QLabel*>())
        EXPECT_TRUE(label->minimumSizeHint().width() <= label->width() &&
                    label->heightForWidth(label->width()) <= label->height())
            << label->text().toStdString();
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width() - 16);
}

// clang-format off
// What Calculate writes shows from its first character, and a text wider than
// its field is whole in the field's tooltip until the text changes. A screen
// reader is told all of it, where the focus stays; a failure has its message.
TEST_F(WindowTest, CalculateFillsTheEmptyFieldInEachUnitSystem) {
    expectStories({{"Dist=10;Fmm=35;click Command1",                  "Wdth=7.936;Wdth.toolTip=;FOV=43.2863559301607;FOV.toolTip=43.2863559301607;FOV.cursorPosition=0;message="},
        {"click Option11;Dist=120;Fmm=50;click Command1",  "Wdth=66.66;FOV=;message=;announced=Object Width 66.66 inches"},
        {"Wdth=0.25;Dist=11.5;click Command1",             "Fmm=1277.696;Fmm.toolTip=1277.696;Fmm.cursorPosition=0;FOV=1.24551137441264;FOV.toolTip=1.24551137441264;"
                                                           "FOV.acc.description=;announced=Lens f 1277.696 millimetres, FOV 1.24551137441264 degrees"},
        {"click Option11;Wdth=0.001;Dist=120;click Command1", "Fmm=3333120;Fmm.toolTip=3333120;Fmm.cursorPosition=0"},
        {"Wdth=0.25;Dist=11.5;click Command1;double Fmm",  "Fmm=;Fmm.toolTip=;FOV.toolTip=1.24551137441264"},
        {"click Option10;Fmm=35;click Command1",           "Wdth=;Fmm=35;announced=;message=Please type two of Object Width, Object Distance and Lens f, and leave the third one empty."},
        {"click Option11;Dist=ten;Fmm=35;click Command1",  "Wdth=;Dist=ten;message=Cannot calculate Object Width: Object Distance is not a number."},
        {"Dist=10;Fmm=35;key Fmm Return",                  "Wdth="},
        {"Dist=10;Fmm=35;key Command1 Return",             "Wdth=7.936;Command1.focus=true"},
        {"Dist=10;Fmm=35;click Command1;Fmm=50;double Wdth;click Command1", "announced=Object Width 5.555 metres, FOV 31.0463307316003 degrees"}});
}

TEST_F(WindowTest, UnitsRelabelAndEmptyTheLengthsADoubleClickEmptiesAField) {
    expectStories({{"Wdth=1;Dist=2;Fmm=3;FOV=4;click Option10",  "Option10.checked=true;Label3= Ft;Label4= Ft;Wdth=;Dist=;Fmm=3;FOV=;Sensor=27.776;Wdth.acc.name=Object Width, feet"},
        {"Wdth=1;Dist=2;Fmm=3;click Option11",        "Option11.checked=true;Option12.checked=false;Label3= in.;Label4= in.;Wdth=;Dist=;Fmm=3;Dist.acc.name=Object Distance, inches"},
        {"click Option10;Wdth=1;Dist=2;click Option12", "Option12.checked=true;Label3= M;Label4= M;Wdth=;Dist="},
        {"Wdth=1;Dist=2;Fmm=3;double Wdth",           "Wdth=;Dist=2;Fmm=3"},
        {"Wdth=1;Dist=2;Fmm=3;double Dist",           "Wdth=1;Dist=;Fmm=3"},
        {"Wdth=1;Dist=2;Fmm=3;double Fmm",            "Wdth=1;Dist=2;Fmm="}});
}

// A camera is its whole box, not only its round button and caption.
TEST_F(WindowTest, EveryCameraWritesItsSensorWidth) {
    expectStories({{"click Option9", "Sensor=28.16;Option9.checked=true;Option7.checked=false"}, {"click Option13", "Sensor=21.12;Option13.checked=true"}, {"click Option14", "Sensor=14.08;Option14.checked=true"},
        {"click Option15", "Sensor=5.632;Option15.checked=true"}, {"click Option4", "Sensor=13.888;Option4.checked=true"}, {"click Option8", "Sensor=6.336;Option8.checked=true"},
        {"click Option18", "Sensor=8.46;Option18.checked=true"}, {"click Option9;click Option7", "Sensor=27.776"}, {"double Frame2;click Option1", "Sensor=15.36;Option1.checked=true"},
        {"double Frame2;click Option2", "Sensor=7.68;Option2.checked=true"}, {"double Frame2;click Option5", "Sensor=4.8;Option5.checked=true"}, {"double Frame2;click Option3", "Sensor=4.736;Option3.checked=true"},
        {"double Frame2;click Option16", "Sensor=13.568;Option16.checked=true"}, {"double Frame2;click Option17", "Sensor=17.92;Option17.checked=true"}, {"double Frame2;click Option1;click Option6", "Sensor=8.192;Option6.checked=true;Option1.checked=false;asked="}});
}

TEST_F(WindowTest, APageTurnShowsTheOtherPageAtItsFirstChoice) {
    expectStories({{"click Option8;double Frame2",             "Frame3.visible=true;Frame2.visible=false;Sensor=8.192;Option6.checked=true;Option8.checked=false"},
        {"double Frame2;click Option16;double Frame3",       "Frame2.visible=true;Frame3.visible=false;Sensor=27.776;Option7.checked=true;Option16.checked=false"},
        {"click Option8;double Frame2;double Frame3",        "Frame2.visible=true;Option7.checked=true;Option8.checked=false;Sensor=27.776"},
        {"click Option9;click Frame2",     "Frame2.visible=true;Option9.checked=true;Sensor=28.16"},
        {"key Option7 PgDown",             "Frame3.visible=true;Option6.focus=true;Sensor=8.192"},
        {"double Frame2;key Option6 PgUp",          "Frame2.visible=true;Option7.focus=true;Sensor=27.776"},
        {"key Dist PgDown",                "Frame2.visible=true;Dist.focus=true"}});
}

TEST_F(WindowTest, SixCamerasTakeACustomResolution) {
    expectStories({{"double Option15",                 "asked=Enter new Horizontal Resolution\r\rHor. Res X .011mm|Custom Hor. Resolution|640;Sensor=7.04;Option15=Brava 640;Option15.toolTip=7.04mm;"
                                                    "Option15.acc.description=7.04mm. Page Up or Page Down turns the camera page. Enter sets a custom resolution."},
        {"double Option4",                  "asked=Enter new Horizontal Resolution\r\rHor. Res X .0217mm|Custom Hor. Resolution|640;Sensor=13.888;Option4=Dalo 640;Option4.toolTip=13.888mm"},
        {"double Option18",                 "asked=Enter new Horizontal Resolution\r\rHor. Res X .006mm|Custom Hor. Resolution|1280;Sensor=8.448;Option18=Lumo 1280;Option18.toolTip=8.448mm"},
        {"double Frame2;answer 1024;double Option3", "asked=Enter new Horizontal Resolution\r\rHor. Res X .0074mm|Custom Hor. Resolution|640;Sensor=7.5776;Option3=Nano/Pico 1024"},
        {"double Frame2;answer -10;double Option16", "asked=Enter new Horizontal Resolution\r\rHor. Res X .008mm|Custom Hor. Resolution|640;Sensor=-0.08;Option16=Giga -10;Option16.toolTip=-0.08mm"},
        {"double Frame2;answer 4096;double Option17", "asked=Enter new Horizontal Resolution\r\rHor. Res X .014mm|Custom Hor. Resolution|640;Sensor=57.344;Option17=Tera/Deca4096"},
        {"answer 1024.0;double Option15;click Option15", "Sensor=11.264;Option15=Brava 1024.0"},
        {"answer 1024;double Option15;click Option9;click Option15", "Sensor=5.632;Option15=Brava 1024;Option15.toolTip=11.264mm"},
        {"answer 1024;double Option15;double Frame2;double Frame3", "Option15=Brava 1024;Option7.checked=true;Sensor=27.776"},
        {"click Option15;answer 100;key Option15 Return", "Sensor=1.1;Option15=Brava 100"},
        {"key Option7 Return;double Option9;key Option9 Return", "asked=;Sensor=28.16;Frame2.visible=true"},
        {"answer ;double Option4",          "Sensor=13.888;Option4=DaloA/DaloB/DaloC/ Rundo - 640x480;message="},
        {"answer wide;double Option4",      "Sensor=13.888;Option4.toolTip=13.888mm, 21.7um;message="}});
}
// clang-format on

// What a user may paste into a field: the right number or the one message,
// quickly, and nothing else changes.
TEST_F(WindowTest, BadInputGivesTheRightNumberOrOneMessage) {
    // clang-format off
    const struct { const char* name; QString text; const char *fromDist, *fromWdth, *fromFmm; } rows[] = {
        {"a megabyte of digits", QString(1 << 20, QLatin1Char('7')), "", "", ""},
        {"beyond the range", "1e999", "", "", ""},            {"below the range", "-1e-999", "0", "0", ""},
        {"hexadecimal", "0x10", "", "", ""},                  {"decimal comma", "1,5", "", "", ""},
        {"blanks around", "  5 ", "3.968", "6.3", "55.552"},  {"Unicode minus", QString::fromUtf8("\u22125"), "", "", ""},
        {"full-width digit", QString::fromUtf8("\uff15"), "", "", ""}, {"a NUL", QString::fromUtf8("5\0" "5", 3), "", "", ""},
        {"emoji", QString::fromUtf8("\U0001F4F7"), "", "", ""}, {"blanks only", "   ", "", "", ""}};
    for (const auto& row : rows) {
        for (auto [bad, other, computed, expected] : {std::tuple{"Dist", "Fmm=35", "Wdth", row.fromDist},
                                                      {"Wdth", "Fmm=35", "Dist", row.fromWdth},
                                                      {"Fmm", "Dist=10", "Wdth", row.fromFmm}}) {
            // clang-format on
            open();
            play(other);
            find(bad)->setProperty("text", row.text);
            find("Command1")->setFocus();
            QCoreApplication::processEvents(); // the pasted text is laid out before the clock
                                               // starts
            QElapsedTimer timer;
            timer.start();
            play("click Command1");
            EXPECT_LT(timer.elapsed(), 100) << row.name;
            EXPECT_EQ(shows(computed) + "|" + shows(bad) +
                          (shows("message").isEmpty() ? "|no message" : "|a message"),
                      QString(expected) + "|" + row.text +
                          (*expected ? "|no message" : "|a message"))
                << bad << ": " << row.name;
        }
    }
}

// clang-format off
// Tab visits each option group at its selected button; hidden controls are skipped.
TEST_F(WindowTest, TabVisitsEveryStopInOrder) {
    expectStories({{"key Dist Tab", "Wdth.focus=true"},        {"key Wdth Tab", "Fmm.focus=true"},          {"key Fmm Tab", "Command1.focus=true"},
        {"key Command1 Tab", "Option12.focus=true"}, {"key Option12 Tab", "Option7.focus=true"}, {"key Option7 Tab", "Dist.focus=true"},
        {"key Dist Backtab", "Option7.focus=true"}, {"key Option7 Backtab", "Option12.focus=true"}, {"key Wdth Backtab", "Dist.focus=true"},
        {"click Option10;double Frame2;key Command1 Tab", "Option10.focus=true"}, {"click Option10;double Frame2;key Option10 Tab", "Option6.focus=true"},
        {"double Frame2;key Option6 Tab", "Dist.focus=true"}});
}

// clang-format on

// The real boxes stand over the window the user acted in, titled as written
// or with the program's title.
TEST_F(WindowTest, BoxesStandOverTheWindowActedIn) {
    DialogBoxes real;
    window = std::make_unique<Form1>(real, [&real] { real.messageBox("unavailable"); });
    real.setParent(window.get());
    real.setProgramTitle(window->windowTitle());
    window->show();
    QStringList seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            seen << box->parentWidget()->objectName() + "|" + box->windowTitle();
            box->close();
        }
    });
    closer.start(5);
    play("Fmm=35;click Command1;double Option15;double Form1;click cmdSysInfo");
    EXPECT_EQ(seen, QStringList({"Form1|Orbel Lens Calculator", "Form1|Custom Hor. Resolution",
                                 "frmAbout|Orbel Lens Calculator"}));
}

} // namespace
} // namespace orbel::testing
