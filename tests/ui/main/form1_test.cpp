#include "runtime/boxes/dialog_boxes.h"
#include "window_test.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace orbel::testing {
namespace {

TEST_F(WindowTest, OpensReadyForTheFirstCalculation) {
    EXPECT_EQ(window->windowTitle() + "|" + text("Sensor") + "|" + find<QLabel>("Label3")->text(),
              "Orbel Lens Calculator|27.776|M");
    EXPECT_EQ(window->size(), QSize(420, 324));
    EXPECT_EQ(window->focusWidget(), field("Dist"));
    EXPECT_TRUE(option("Option12")->isChecked() && option("Option7")->isChecked());
    EXPECT_TRUE(find("Frame2")->isVisible() && !field("FOV")->isEnabled());
    for (const char* hidden : {"Frame3", "Sensor", "Label7", "Label8"})
        EXPECT_FALSE(find(hidden)->isVisible()) << hidden;
    // clang-format off
    for (auto [name, pixels] : {std::pair{"Fmm", QRect(232, 80, 33, 19)}, {"Wdth", QRect(232, 144, 49, 19)},
                                {"Command1", QRect(168, 208, 81, 33)}, {"Option7", QRect(8, 160, 105, 33)}})
        EXPECT_EQ(find(name)->geometry(), pixels) << name;
    // A screen reader knows each control by the caption beside it.
    for (auto [control, name] : {std::pair{"Wdth", "Object Width"}, {"Dist", "Object Distance"}, {"Fmm", "Lens f"},
                                 {"FOV", "FOV"}, {"Option5", "Sorel Mini & Tauk"}})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(find(control))->text(QAccessible::Name), name);
    // clang-format on
    EXPECT_EQ(QFontInfo(window->font()).family(), "Liberation Sans Narrow");
}

// Every caption is whole in its box, on both pages, in the window's font.
TEST_F(WindowTest, EveryCaptionFitsItsBox) {
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

// What Calculate writes shows from its first character, and a text wider than
// its field is whole in the field's tooltip until the text changes.
TEST_F(WindowTest, CalculateFillsTheEmptyFieldInEachUnitSystem) {
    // clang-format off
    const struct { const char *units, *wdth, *dist, *fmm, *shown, *tips, *message; } rows[] = {
        {"Option12", "",      "10",   "35", "7.936|10|35|43.2863559301607",              "FOV",     ""},
        {"Option10", "",      "30",   "35", "23.808|30|35|43.2863559301607",             "FOV",     ""},
        {"Option11", "",      "120",  "50", "66.66|120|50|",                             "",        ""},
        {"Option12", "0.25",  "11.5", "",   "0.25|11.5|1277.696|1.24551137441264",       "Fmm FOV", ""},
        {"Option12", "",      "-1e4", "35", "-7936|-1e4|35|43.2863559301607",            "FOV",     ""},
        {"Option11", "0.001", "120",  "",   "0.001|120|3333120|",                        "Fmm",     ""},
        {"Option10", "",      "",     "35", "||35|",                                     "",        "Please type two of Object Width, Object Distance and Lens f, and leave the third one empty."},
        {"Option11", "",      "ten",  "35", "|ten|35|",                                  "",        "Cannot calculate Object Width: Object Distance is not a number."}};
    // clang-format on
    for (const auto& row : rows) {
        open();
        click(option(row.units));
        for (auto [name, typed] :
             {std::pair{"Wdth", row.wdth}, {"Dist", row.dist}, {"Fmm", row.fmm}})
            type(name, typed);
        click(find("Command1"));
        EXPECT_EQ(texts(), row.shown);
        for (const char* name : {"Wdth", "Dist", "Fmm", "FOV"}) {
            const bool tip = QString(row.tips).split(' ').contains(name);
            EXPECT_EQ(field(name)->toolTip(), tip ? text(name) : "") << row.shown << " " << name;
            EXPECT_TRUE(!tip || field(name)->cursorPosition() == 0) << row.shown << " " << name;
        }
        EXPECT_EQ(boxes.messages.size(), *row.message ? 1U : 0U) << row.shown;
        for (const auto& message : boxes.messages)
            EXPECT_EQ(message.text, row.message);
        boxes.messages.clear();
        doubleClick(field("Fmm"));
        EXPECT_EQ(text("Fmm") + field("Fmm")->toolTip() + text("Sensor"), "27.776");
    }
}

TEST_F(WindowTest, UnitsRelabelAndEmptyWidthAndDistanceADoubleClickEmptiesOneField) {
    for (auto [units, label] :
         {std::pair{"Option10", " Ft"}, {"Option11", " in."}, {"Option12", " M"}}) {
        for (const char* name : {"Wdth", "Dist", "Fmm"})
            type(name, "12.5");
        click(option(units));
        EXPECT_TRUE(option(units)->isChecked());
        EXPECT_EQ(find<QLabel>("Label3")->text() + find<QLabel>("Label4")->text(),
                  QString(label) + label);
        EXPECT_EQ(texts(), "||12.5|") << units;
    }
    for (const char* name : {"Wdth", "Dist", "Fmm"}) {
        for (const char* other : {"Wdth", "Dist", "Fmm"})
            field(other)->setText("7");
        doubleClick(field(name));
        EXPECT_EQ(text("Wdth") + text("Dist") + text("Fmm"), "77") << name;
    }
    click(field("FOV")); // disabled: neither focus nor typing
    QTest::keyClicks(field("FOV"), "12");
    EXPECT_EQ(text("FOV"), "");
}

// A camera is its whole box, not only its round button and caption.
TEST_F(WindowTest, EveryCameraWritesItsSensorWidth) {
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {
        {"Option9", "28.16"}, {"Option13", "21.12"}, {"Option14", "14.08"}, {"Option15", "5.632"},
        {"Option4", "13.888"}, {"Option8", "6.336"}, {"Option18", "8.46"}, {"Option7", "27.776"},
        {"Option1", "15.36"}, {"Option2", "7.68"}, {"Option5", "4.8"}, {"Option3", "4.736"},
        {"Option16", "13.568"}, {"Option17", "17.92"}, {"Option6", "8.192"}};
    // clang-format on
    for (auto [control, sensor] : rows) {
        select(control);
        EXPECT_EQ(text("Sensor"), sensor) << control;
        EXPECT_TRUE(option(control)->isChecked()) << control;
    }
    EXPECT_TRUE(boxes.inputs.empty());
}

TEST_F(WindowTest, APageTurnShowsTheOtherPageAtItsFirstChoice) {
    click(option("Option8"));
    // clang-format off
    for (auto [shown, first, sensor, picked] : {std::tuple{"Frame3", "Option6", "8.192", "Option16"},
                                                {"Frame2", "Option7", "27.776", "Option8"},
                                                {"Frame3", "Option6", "8.192", "Option16"}}) {
        // clang-format on
        turnPage();
        EXPECT_TRUE(find(shown)->isVisible());
        EXPECT_EQ(text("Sensor"), sensor);
        for (QRadioButton* camera : find("Frame2")->findChildren<QRadioButton*>() +
                                        find("Frame3")->findChildren<QRadioButton*>())
            EXPECT_EQ(camera->isChecked(), camera->objectName() == first)
                << camera->objectName().toStdString();
        click(option(picked));
    }
    // Page Up or Down on a camera turns the page for keyboard users.
    option("Option16")->setFocus();
    QTest::keyClick(option("Option16"), Qt::Key_PageUp);
    EXPECT_EQ(window->focusWidget(), option("Option7"));
    QTest::keyClick(option("Option7"), Qt::Key_PageDown);
    EXPECT_EQ(window->focusWidget(), option("Option6"));
    field("Dist")->setFocus();
    QTest::keyClick(field("Dist"), Qt::Key_PageDown); // only from a camera
    click(find("Frame3"), QPoint(117, 40));           // a single click changes nothing
    EXPECT_TRUE(find("Frame3")->isVisible() && option("Option6")->isChecked());
    EXPECT_EQ(text("Sensor"), "8.192");
}

TEST_F(WindowTest, SixCamerasTakeACustomResolution) {
    // clang-format off
    const struct { const char *control, *answer, *pitch, *defaultText, *shown; } rows[] = {
        {"Option15", nullptr,  ".011mm",  "640",  "7.04|Brava 640|7.04mm"},
        {"Option4",  nullptr,  ".0217mm", "640",  "13.888|Dalo 640|13.888mm"},
        {"Option18", nullptr,  ".006mm",  "1280", "8.448|Lumo 1280|8.448mm"},
        {"Option3",  "1024",   ".0074mm", "640",  "7.5776|Nano/Pico 1024|7.5776mm"},
        {"Option16", "-10",    ".008mm",  "640",  "-0.08|Giga -10|-0.08mm"},
        {"Option17", "4096",   ".014mm",  "640",  "57.344|Tera/Deca4096|57.344mm"},
        {"Option15", "1024.0", ".011mm",  "640",  "11.264|Brava 1024.0|11.264mm"}};
    // clang-format on
    for (const auto& row : rows) {
        boxes.inputs.clear();
        if (row.answer)
            boxes.answer(row.answer);
        if (!option(row.control)->isVisibleTo(window.get()))
            turnPage();
        doubleClick(option(row.control), corner(option(row.control)));
        click(option(row.control)); // the rest of a user's clicking keeps the entry
        QCoreApplication::processEvents();
        ASSERT_EQ(boxes.inputs.size(), 1U) << row.control;
        EXPECT_EQ(boxes.inputs[0].text + "|" + boxes.inputs[0].title + "|" +
                      boxes.inputs[0].defaultText,
                  std::string("Enter new Horizontal Resolution\r\rHor. Res X ") + row.pitch +
                      "|Custom Hor. Resolution|" + row.defaultText);
        EXPECT_EQ(text("Sensor") + "|" + option(row.control)->text() + "|" +
                      option(row.control)->toolTip(),
                  row.shown);
    }
    // A later click brings the catalogue width back, not the caption; Enter
    // on a camera with an entry opens it, on one without does nothing.
    select("Option9");
    select("Option15");
    EXPECT_EQ(text("Sensor") + "|" + option("Option15")->text(), "5.632|Brava 1024.0");
    boxes.answer("100");
    QTest::keyClick(option("Option15"), Qt::Key_Return);
    QCoreApplication::processEvents();
    select("Option9");
    doubleClick(option("Option9"));
    QTest::keyClick(option("Option9"), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(text("Sensor") + "|" + option("Option15")->text(), "28.16|Brava 100");
    EXPECT_EQ(boxes.inputs.size(), 2U);
}

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
        for (auto [bad, other, otherText, computed, expected] : {std::tuple{"Dist", "Fmm", "35", "Wdth", row.fromDist},
                                                                 {"Wdth", "Fmm", "35", "Dist", row.fromWdth},
                                                                 {"Fmm", "Dist", "10", "Wdth", row.fromFmm}}) {
            // clang-format on
            for (const char* name : {"Wdth", "Dist", "Fmm"})
                field(name)->setText(name == bad ? row.text : name == other ? otherText : "");
            boxes.messages.clear();
            find("Command1")->setFocus();
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            click(find("Command1"));
            EXPECT_LT(timer.elapsed(), 100) << row.name;
            EXPECT_EQ(text(computed) + "|" + text(bad), QString(expected) + "|" + row.text)
                << bad << ": " << row.name;
            EXPECT_EQ(boxes.messages.size(), *expected ? 0U : 1U) << bad << ": " << row.name;
        }
    }
}

TEST_F(WindowTest, TabVisitsEachGroupAtItsSelectedButtonEnterPressesCalculate) {
    const auto expectCycle = [this](Qt::Key key, std::initializer_list<const char*> stops) {
        for (const char* next : stops) {
            QTest::keyClick(window->focusWidget(), key,
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            EXPECT_EQ(window->focusWidget()->objectName(), next);
        }
    };
    expectCycle(Qt::Key_Tab, {"Wdth", "Fmm", "Command1", "Option12", "Option7", "Dist"});
    expectCycle(Qt::Key_Backtab, {"Option7", "Option12", "Command1", "Fmm", "Wdth", "Dist"});
    click(option("Option10"));
    turnPage();
    field("Dist")->setFocus();
    expectCycle(Qt::Key_Tab, {"Wdth", "Fmm", "Command1", "Option10", "Option6", "Dist"});
    type("Dist", "10");
    type("Fmm", "35");
    QTest::keyClick(field("Fmm"), Qt::Key_Return); // Enter in a field calculates nothing
    EXPECT_EQ(text("Wdth"), "");
    find("Command1")->setFocus();
    QTest::keyClick(find("Command1"), Qt::Key_Return);
    EXPECT_EQ(text("Wdth"), "2.341"); // 8.192 mm at 10 ft, 35 mm
}

TEST_F(WindowTest, OnlyTheBareBackgroundOpensTheAboutWindow) {
    // clang-format off
    const struct { const char* name; QPoint at; bool opens; } rows[] = {
        {"Label5", {5, 5}, false}, {"Frame1", {60, 10}, false}, {"FOV", {5, 5}, false}, {"Option10", {10, 10}, false},
        {"Option9", {10, 10}, false}, {"Dist", {5, 5}, false}, {"Command1", {5, 5}, false},
        {"Frame2", {117, 40}, false}, {"Form1", {250, 15}, true}, {"Form1", {380, 300}, true}};
    // clang-format on
    for (const auto& row : rows) {
        if (about())
            about()->close();
        doubleClick(row.opens ? window.get() : find(row.name), row.at);
        EXPECT_EQ(about() && about()->isVisible(), row.opens) << row.name;
    }
}

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
    type("Fmm", "35");
    click(find("Command1"));
    doubleClick(option("Option15"));
    QCoreApplication::processEvents();
    click(find("cmdSysInfo", openAbout()));
    EXPECT_EQ(seen, QStringList({"Form1|Orbel Lens Calculator", "Form1|Custom Hor. Resolution",
                                 "frmAbout|Orbel Lens Calculator"}));
}

} // namespace
} // namespace orbel::testing
