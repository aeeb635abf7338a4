#include "form1_fixture.h"

#include <QElapsedTimer>

namespace orbel::testing {
namespace {

// What a user may paste into a field or the custom box. Each gives either the
// right number or the one clear message, quickly, and changes nothing else.
struct BadInput {
    const char* name;
    QString text;
    // What Calculate writes with this text in Dist (Fmm 35), Wdth (Fmm 35)
    // and Fmm (Dist 10); "" means the one message and nothing written.
    const char *fromDist, *fromWdth, *fromFmm;
    const char* customSensor; // Option15's Sensor after the entry; "" = unchanged
};

std::vector<BadInput> badInputs() {
    return {
        {"a megabyte of digits", QString(1 << 20, QLatin1Char('7')), "", "", "", ""},
        {"beyond the double range", "1e999", "", "", "", ""},
        {"below the double range", "-1e-999", "0", "0", "", "0"},
        {"hexadecimal", "0x10", "", "", "", ""},
        {"decimal comma", "1,5", "", "", "", ""},
        {"leading blanks", "  5", "3.968", "6.3", "55.552", "0.055"},
        {"trailing blanks", "5  ", "3.968", "6.3", "55.552", "0.055"},
        {"Unicode minus", QString::fromUtf8("\u22125"), "", "", "", ""},
        {"full-width digits", QString::fromUtf8("\uff15"), "", "", "", ""},
        {"Arabic-Indic digits", QString::fromUtf8("\u0665"), "", "", "", ""},
        {"a NUL character",
         QString::fromUtf8("5\0"
                           "5",
                           3),
         "", "", "", ""},
        {"emoji", QString::fromUtf8("\U0001F4F7"), "", "", "", ""},
        {"blanks only", "   ", "", "", "", ""},
    };
}

struct FieldRoad {
    const char* field; // where the bad text goes
    const char* other; // the one other given field
    const char* otherText;
    const char* computed; // the field Calculate fills in
    const char* BadInput::*expected;
};

TEST_F(Form1Test, BadInputInAFieldGivesTheRightNumberOrOneMessage) {
    const FieldRoad roads[] = {
        {"Dist", "Fmm", "35", "Wdth", &BadInput::fromDist},
        {"Wdth", "Fmm", "35", "Dist", &BadInput::fromWdth},
        {"Fmm", "Dist", "10", "Wdth", &BadInput::fromFmm},
    };
    for (const FieldRoad& road : roads) {
        for (const BadInput& input : badInputs()) {
            for (const char* name : {"Wdth", "Dist", "Fmm"})
                text(name)->clear();
            text("FOV")->setText("earlier");
            text(road.field)->setText(input.text);
            text(road.other)->setText(road.otherText);
            ASSERT_EQ(text(road.field)->text(), input.text) << "fields take text of any length";
            boxes.messages.clear();
            // The pasted text is laid out and shown, and the focus leaves the
            // field, before the click: Qt's repaint of a megabyte-long line is
            // its own cost, not Calculate's.
            find("Command1")->setFocus();
            QCoreApplication::processEvents();

            QElapsedTimer timer;
            timer.start();
            click(find("Command1"));
            const qint64 elapsed = timer.elapsed();

            const std::string expected = input.*road.expected;
            const std::string where = std::string(road.field) + ": " + input.name;
            EXPECT_LT(elapsed, 100) << where;
            EXPECT_EQ(boxes.messages.size(), expected.empty() ? 1U : 0U) << where;
            EXPECT_EQ(text(road.computed)->text().toStdString(), expected) << where;
            EXPECT_EQ(text(road.field)->text(), input.text) << where;
            EXPECT_EQ(text(road.other)->text(), road.otherText) << where;
            EXPECT_EQ(sensor(), "27.776") << where;
            if (expected.empty()) {
                EXPECT_EQ(text("FOV")->text(), "earlier") << where;
            }
        }
    }
}

TEST_F(Form1Test, BadInputInTheCustomBoxChangesNothingOrGivesTheWidth) {
    for (const BadInput& input : badInputs()) {
        click(option("Option9"));
        const QString captionBefore = option("Option15")->text();
        boxes.answer(input.text.toStdString());
        QElapsedTimer timer;
        timer.start();
        doubleClick(option("Option15"));
        EXPECT_LT(timer.elapsed(), 100) << input.name;
        const std::string expected = input.customSensor;
        EXPECT_EQ(sensor().toStdString(), expected.empty() ? "5.632" : expected) << input.name;
        EXPECT_EQ(option("Option15")->text(),
                  expected.empty() ? captionBefore : "Brava " + input.text)
            << input.name;
        EXPECT_TRUE(boxes.messages.empty()) << input.name;
    }
}

} // namespace
} // namespace orbel::testing
