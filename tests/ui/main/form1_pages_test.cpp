#include "form1_fixture.h"

namespace orbel::testing {
namespace {

TEST_F(Form1Test, EveryPresetWritesItsSensorWidthAndNothingElse) {
    // clang-format off
    const struct { const char* control; const char* sensor; } rows[] = {
        {"Option9", "28.16"}, {"Option13", "21.12"}, {"Option14", "14.08"}, {"Option15", "5.632"},
        {"Option4", "13.888"}, {"Option8", "6.336"}, {"Option18", "8.46"}, {"Option7", "27.776"},
        {"Option1", "15.36"}, {"Option2", "7.68"}, {"Option5", "4.8"}, {"Option3", "4.736"},
        {"Option16", "13.568"}, {"Option17", "17.92"}, {"Option6", "8.192"},
    };
    // clang-format on
    text("Wdth")->setText("1");
    text("Dist")->setText("2");
    text("Fmm")->setText("3");
    for (const auto& row : rows) {
        text("Sensor")->setText("stale");
        select(row.control);
        EXPECT_EQ(sensor(), row.sensor) << row.control;
        EXPECT_TRUE(option(row.control)->isChecked()) << row.control;
    }
    EXPECT_EQ(text("Wdth")->text(), "1");
    EXPECT_EQ(text("Dist")->text(), "2");
    EXPECT_EQ(text("Fmm")->text(), "3");
    EXPECT_TRUE(option("Option12")->isChecked());
    EXPECT_TRUE(boxes.inputs.empty());
}

TEST_F(Form1Test, PageTurnsSelectTheDefaultPresetAfresh) {
    text("Wdth")->setText("1");
    text("Dist")->setText("2");
    click(option("Option8"));
    turnPage("Frame2");
    EXPECT_TRUE(frame("Frame3")->isVisible());
    EXPECT_FALSE(frame("Frame2")->isVisible());
    EXPECT_TRUE(option("Option6")->isChecked());
    EXPECT_EQ(sensor(), "8.192");
    for (QRadioButton* button : frame("Frame2")->findChildren<QRadioButton*>())
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();

    click(option("Option16"));
    EXPECT_EQ(sensor(), "13.568");
    turnPage("Frame3");
    EXPECT_TRUE(frame("Frame2")->isVisible());
    EXPECT_TRUE(option("Option7")->isChecked());
    EXPECT_FALSE(option("Option8")->isChecked());
    EXPECT_EQ(sensor(), "27.776");
    for (QRadioButton* button : frame("Frame3")->findChildren<QRadioButton*>())
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();

    turnPage("Frame2");
    EXPECT_TRUE(option("Option6")->isChecked());
    EXPECT_FALSE(option("Option16")->isChecked());
    EXPECT_EQ(sensor(), "8.192");
    EXPECT_EQ(text("Wdth")->text(), "1");
    EXPECT_EQ(text("Dist")->text(), "2");
    EXPECT_TRUE(option("Option12")->isChecked());
}

TEST_F(Form1Test, PageDownOnACameraTurnsThePageForKeyboardUsers) {
    option("Option7")->setFocus();
    QTest::keyClick(option("Option7"), Qt::Key_PageDown);
    EXPECT_TRUE(frame("Frame3")->isVisible());
    EXPECT_EQ(window->focusWidget(), option("Option6"));
    EXPECT_EQ(sensor(), "8.192");
    QTest::keyClick(option("Option6"), Qt::Key_PageUp);
    EXPECT_TRUE(frame("Frame2")->isVisible());
    EXPECT_EQ(window->focusWidget(), option("Option7"));
    EXPECT_EQ(sensor(), "27.776");
    text("Dist")->setFocus();
    QTest::keyClick(text("Dist"), Qt::Key_PageDown); // only from a camera
    EXPECT_TRUE(frame("Frame2")->isVisible());
}

TEST_F(Form1Test, EnterOnACameraWithACustomResolutionOpensItsEntry) {
    click(option("Option15"));
    boxes.answer("1024");
    QTest::keyClick(option("Option15"), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(sensor(), "11.264");
    EXPECT_EQ(option("Option15")->text(), "Brava 1024");
    click(option("Option9"));
    QTest::keyClick(option("Option9"), Qt::Key_Return); // no entry there
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.inputs.size(), 1U);
}

TEST_F(Form1Test, ASingleClickOnAPageChangesNothing) {
    click(option("Option9"));
    click(frame("Frame2"), QPoint(117, 40));
    EXPECT_TRUE(option("Option9")->isChecked());
    EXPECT_EQ(sensor(), "28.16");
    EXPECT_TRUE(frame("Frame2")->isVisible());
}

struct EntryCase {
    const char* name;
    const char* control;
    const char* answer; // nullptr: accept the default
    const char* sensor;
    const char* caption;
    const char* tooltip;
};

TEST_F(Form1Test, CustomResolutionEntries) {
    // clang-format off
    const EntryCase cases[] = {
        {"Brava default",   "Option15", nullptr,  "7.04",   "Brava 640",      "7.04mm"},
        {"Lumo default",    "Option18", nullptr,  "8.448",  "Lumo 1280",      "8.448mm"},
        {"Tera default",    "Option17", nullptr,  "8.96",   "Tera/Deca640",   "8.96mm"},
        {"as typed",        "Option15", "1024.0", "11.264", "Brava 1024.0",   "11.264mm"},
    };
    // clang-format on
    for (const auto& c : cases) {
        window.reset();
        window = std::make_unique<Form1>(boxes, [this] { ++sysInfoStarts; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        boxes.inputs.clear();
        if (c.answer)
            boxes.answer(c.answer);
        QRadioButton* button = option(c.control);
        if (!button->isVisibleTo(window.get()))
            turnPage("Frame2");
        doubleClick(button);
        ASSERT_EQ(boxes.inputs.size(), 1U) << c.name;
        EXPECT_EQ(boxes.inputs[0].title, "Custom Hor. Resolution") << c.name;
        EXPECT_EQ(boxes.inputs[0].prompt.substr(0, 33), "Enter new Horizontal Resolution\r\r")
            << c.name;
        EXPECT_EQ(boxes.inputs[0].defaultText,
                  c.control == std::string("Option18") ? "1280" : "640")
            << c.name;
        EXPECT_EQ(sensor(), c.sensor) << c.name;
        EXPECT_EQ(button->text(), c.caption) << c.name;
        EXPECT_EQ(button->toolTip(), c.tooltip) << c.name;
        EXPECT_TRUE(button->isChecked()) << c.name;
    }
}

TEST_F(Form1Test, TheEntrysWidthSurvivesTheRestOfTheDoubleClick) {
    boxes.answer("1024");
    doubleClick(option("Option15"));
    // Later mouse events (a release, a stray click on the same button) must
    // not bring the catalogue width back.
    click(option("Option15"));
    QCoreApplication::processEvents();
    EXPECT_EQ(sensor(), "11.264");
    EXPECT_EQ(boxes.inputs.size(), 1U);
}

TEST_F(Form1Test, AFailedEntryChangesNothingBeyondTheClick) {
    const struct {
        const char* name;
        const char* answer;
    } rows[] = {{"cancel", ""}, {"not a number", "wide"}, {"blanks", "  "}, {"too large", "1e400"}};
    for (const auto& row : rows) {
        click(option("Option9"));
        boxes.answer(row.answer);
        doubleClick(option("Option4"));
        EXPECT_EQ(sensor(), "13.888") << row.name; // the click's catalogue width
        EXPECT_EQ(option("Option4")->text(), "DaloA/DaloB/DaloC/ Rundo - 640x480") << row.name;
        EXPECT_EQ(option("Option4")->toolTip(), "13.888mm, 21.7um") << row.name;
        EXPECT_TRUE(boxes.messages.empty()) << row.name;
    }
}

TEST_F(Form1Test, ALaterSelectionBringsBackTheCatalogueWidthButNotTheCaption) {
    boxes.answer("1024");
    doubleClick(option("Option15"));
    click(option("Option9"));
    click(option("Option15"));
    EXPECT_EQ(sensor(), "5.632");
    EXPECT_EQ(option("Option15")->text(), "Brava 1024");
    EXPECT_EQ(option("Option15")->toolTip(), "11.264mm");

    turnPage("Frame2");
    turnPage("Frame3");
    EXPECT_EQ(option("Option15")->text(), "Brava 1024");
    EXPECT_TRUE(option("Option7")->isChecked());
    EXPECT_EQ(sensor(), "27.776");
}

TEST_F(Form1Test, ADoubleClickOnAPresetWithoutAnEntryOnlySelectsIt) {
    doubleClick(option("Option9"));
    EXPECT_TRUE(option("Option9")->isChecked());
    EXPECT_EQ(sensor(), "28.16");
    EXPECT_TRUE(boxes.inputs.empty());
    EXPECT_TRUE(frame("Frame2")->isVisible());
}

} // namespace
} // namespace orbel::testing
