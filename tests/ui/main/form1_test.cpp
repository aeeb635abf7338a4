#include "form1_fixture.h"

#include <QAccessible>

namespace orbel::testing {
namespace {

TEST_F(Form1Test, StartsAsDescribed) {
    EXPECT_EQ(window->windowTitle(), "Orbel Lens Calculator");
    EXPECT_EQ(window->size(), QSize(420, 324));
    EXPECT_EQ(window->focusWidget(), text("Dist"));
    for (const char* name : {"Wdth", "Dist", "Fmm", "FOV"})
        EXPECT_EQ(text(name)->text(), "") << name;
    EXPECT_EQ(find<QLabel>("Label3")->text(), "M");
    EXPECT_EQ(find<QLabel>("Label4")->text(), "M");
    EXPECT_TRUE(option("Option12")->isChecked());
    EXPECT_TRUE(option("Option7")->isChecked());
    EXPECT_TRUE(frame("Frame2")->isVisible());
    EXPECT_FALSE(frame("Frame3")->isVisible());
    EXPECT_EQ(sensor(), "27.776");
    for (const char* hidden : {"Sensor", "Label8", "Label7"})
        EXPECT_FALSE(find(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(text("FOV")->isEnabled());
    for (QRadioButton* button : frame("Frame3")->findChildren<QRadioButton*>())
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    EXPECT_EQ(window->findChildren<QWidget*>().size(), 36);
}

TEST_F(Form1Test, ControlsStandWhereTheLayoutPutsThem) {
    const struct {
        const char* name;
        QRect pixels; // left, top, width, height in the container
    } rows[] = {
        {"Sensor", {216, 8, 81, 19}},   {"Fmm", {232, 80, 33, 19}},
        {"Dist", {232, 112, 49, 19}},   {"Wdth", {232, 144, 49, 19}},
        {"FOV", {232, 176, 33, 19}},    {"Command1", {168, 208, 81, 33}},
        {"Frame1", {328, 32, 73, 121}}, {"Option11", {8, 48, 57, 33}},
        {"Frame2", {16, 24, 121, 297}}, {"Option7", {8, 160, 105, 33}},
        {"Option8", {8, 224, 81, 25}},  {"Frame3", {16, 24, 121, 217}},
        {"Option5", {8, 104, 97, 33}},  {"Label1", {184, 80, 41, 17}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(find(row.name)->geometry(), row.pixels) << row.name;
    EXPECT_EQ(find("Option7")->parentWidget(), frame("Frame2"));
    EXPECT_EQ(find("Option12")->parentWidget(), frame("Frame1"));
}

TEST_F(Form1Test, EnlargingTheWindowMovesNothing) {
    std::vector<std::pair<QWidget*, QRect>> before;
    for (QWidget* child : window->findChildren<QWidget*>())
        before.emplace_back(child, child->geometry());
    window->resize(900, 700);
    QCoreApplication::processEvents();
    for (const auto& [child, geometry] : before)
        EXPECT_EQ(child->geometry(), geometry) << child->objectName().toStdString();
}

TEST_F(Form1Test, TabVisitsEachGroupAtItsSelectedButton) {
    const char* const cycle[] = {"Wdth", "Fmm", "Command1", "Option12", "Option7", "Dist"};
    for (const char* expected : cycle) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget()->objectName(), expected);
    }
    const char* const backwards[] = {"Option7", "Option12", "Command1", "Fmm", "Wdth", "Dist"};
    for (const char* expected : backwards) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(window->focusWidget()->objectName(), expected);
    }
}

TEST_F(Form1Test, TabAfterAPageTurnEntersTheOtherPageAtItsDefault) {
    click(option("Option10"));
    turnPage("Frame2");
    text("Dist")->setFocus();
    const char* const cycle[] = {"Wdth", "Fmm", "Command1", "Option10", "Option6", "Dist"};
    for (const char* expected : cycle) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget()->objectName(), expected);
    }
}

TEST_F(Form1Test, FieldOfViewTakesNeitherFocusNorTyping) {
    click(text("FOV"));
    EXPECT_EQ(window->focusWidget(), text("Dist"));
    QTest::keyClicks(text("FOV"), "12");
    EXPECT_EQ(text("FOV")->text(), "");
}

TEST_F(Form1Test, CalculateFillsTheEmptyFieldAndTheFieldOfView) {
    typeInto(text("Dist"), "10");
    typeInto(text("Fmm"), "35");
    click(find("Command1"));
    EXPECT_EQ(text("Wdth")->text(), "7.936");
    EXPECT_EQ(text("FOV")->text(), "43.2863559301607");
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(Form1Test, EnterOnTheFocusedCalculateButtonPressesIt) {
    typeInto(text("Dist"), "10");
    typeInto(text("Fmm"), "35");
    find("Command1")->setFocus();
    QTest::keyClick(find("Command1"), Qt::Key_Return);
    EXPECT_EQ(text("Wdth")->text(), "7.936");
}

TEST_F(Form1Test, EnterInAFieldDoesNotCalculate) {
    typeInto(text("Dist"), "10");
    typeInto(text("Fmm"), "35");
    QTest::keyClick(text("Fmm"), Qt::Key_Return);
    EXPECT_EQ(text("Wdth")->text(), "");
    EXPECT_EQ(text("FOV")->text(), "");
}

struct FailingCalculation {
    const char* name;
    const char *wdth, *dist, *fmm;
    const char* message;
};

TEST_F(Form1Test, AFailingCalculateShowsOneMessageAndChangesNothing) {
    const FailingCalculation cases[] = {
        {"one value", "", "", "35",
         "Please type two of Object Width, Object Distance and Lens f, and leave the third one "
         "empty."},
    };
    for (const auto& c : cases) {
        text("Wdth")->setText(c.wdth);
        text("Dist")->setText(c.dist);
        text("Fmm")->setText(c.fmm);
        text("FOV")->setText("earlier");
        boxes.messages.clear();
        click(find("Command1"));
        ASSERT_EQ(boxes.messages.size(), 1U) << c.name;
        EXPECT_EQ(boxes.messages[0].text, c.message) << c.name;
        EXPECT_EQ(boxes.messages[0].title, "") << c.name; // the program's title
        EXPECT_EQ(text("Wdth")->text(), c.wdth) << c.name;
        EXPECT_EQ(text("Dist")->text(), c.dist) << c.name;
        EXPECT_EQ(text("Fmm")->text(), c.fmm) << c.name;
        EXPECT_EQ(text("FOV")->text(), "earlier") << c.name;
        EXPECT_EQ(sensor(), "27.776") << c.name;
        EXPECT_TRUE(window->isVisible()) << c.name;
    }
}

TEST_F(Form1Test, AFailureAfterAWrittenStepKeepsWhatWasWritten) {
    // A width of 5 at 10 with a sensor width of 0 gives a focal length of 0;
    // the field of view then divides by it.
    boxes.answer("0");
    doubleClick(option("Option15"));
    ASSERT_EQ(sensor(), "0");
    text("Wdth")->setText("5");
    text("Dist")->setText("10");
    click(find("Command1"));
    EXPECT_EQ(text("Fmm")->text(), "0");
    ASSERT_EQ(boxes.messages.size(), 1U);
    EXPECT_EQ(boxes.messages[0].text, "Cannot calculate the field of view: Lens f is zero.");
    EXPECT_EQ(text("FOV")->text(), "");
}

struct UnitCase {
    const char* option;
    const char* label;
};

TEST_F(Form1Test, AUnitClickRelabelsAndEmptiesWidthAndDistance) {
    const UnitCase cases[] = {{"Option10", " Ft"}, {"Option11", " in."}, {"Option12", " M"}};
    for (const auto& c : cases) {
        text("Wdth")->setText("7.936");
        text("Dist")->setText("10");
        text("Fmm")->setText("35");
        text("FOV")->setText("43.2863559301607");
        click(option(c.option));
        EXPECT_TRUE(option(c.option)->isChecked()) << c.option;
        EXPECT_EQ(find<QLabel>("Label3")->text(), c.label) << c.option;
        EXPECT_EQ(find<QLabel>("Label4")->text(), c.label) << c.option;
        EXPECT_EQ(text("Wdth")->text(), "") << c.option;
        EXPECT_EQ(text("Dist")->text(), "") << c.option;
        EXPECT_EQ(text("Fmm")->text(), "35") << c.option;
        EXPECT_EQ(text("FOV")->text(), "43.2863559301607") << c.option;
        EXPECT_EQ(sensor(), "27.776") << c.option;
    }
}

TEST_F(Form1Test, ADoubleClickEmptiesThatFieldOnly) {
    for (const char* name : {"Wdth", "Dist", "Fmm"}) {
        for (const char* other : {"Wdth", "Dist", "Fmm"})
            text(other)->setText("12.5");
        doubleClick(text(name));
        for (const char* other : {"Wdth", "Dist", "Fmm"})
            EXPECT_EQ(text(other)->text(), other == name ? "" : "12.5") << name << " / " << other;
    }
    doubleClick(text("Wdth")); // already empty
    EXPECT_EQ(text("Wdth")->text(), "");
}

TEST_F(Form1Test, ScreenReadersKnowEachFieldByItsCaption) {
    const struct {
        const char* field;
        const char* name;
    } rows[] = {
        {"Wdth", "Object Width"}, {"Dist", "Object Distance"},      {"Fmm", "Lens f"},
        {"FOV", "FOV"},           {"Option5", "Sorel Mini & Tauk"}, {"Command1", "Calculate"}};
    for (const auto& row : rows) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(find(row.field));
        ASSERT_NE(accessible, nullptr) << row.field;
        EXPECT_EQ(accessible->text(QAccessible::Name), row.name) << row.field;
    }
    QAccessibleInterface* preset = QAccessible::queryAccessibleInterface(option("Option15"));
    EXPECT_EQ(preset->text(QAccessible::Description), "5.63mm, 11um");
}

TEST_F(Form1Test, OnlyTheBareBackgroundOpensTheAboutWindow) {
    const struct {
        const char* name;
        QWidget* target;
        QPoint at;
        bool opens;
    } rows[] = {
        {"a label", find("Label5"), QPoint(5, 5), false},
        {"the units frame", frame("Frame1"), QPoint(60, 10), false},
        {"the disabled field of view", text("FOV"), QPoint(5, 5), false},
        {"a unit button", option("Option10"), QPoint(10, 10), false},
        {"a camera preset", option("Option9"), QPoint(10, 10), false},
        {"a text field", text("Dist"), QPoint(5, 5), false},
        {"Calculate", find("Command1"), QPoint(5, 5), false},
        {"the hidden sensor row", window.get(), QPoint(250, 15), true},
        {"the background", window.get(), QPoint(380, 300), true},
    };
    for (const auto& row : rows) {
        closeAboutWindows();
        doubleClick(row.target, row.at);
        EXPECT_EQ(visibleAboutWindows(), row.opens ? 1 : 0) << row.name;
    }
    closeAboutWindows();
    turnPage("Frame2"); // a camera page turns instead
    EXPECT_EQ(visibleAboutWindows(), 0);
    EXPECT_TRUE(frame("Frame3")->isVisible());
}

} // namespace
} // namespace orbel::testing
