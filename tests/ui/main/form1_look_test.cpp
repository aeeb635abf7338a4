#include "form1_fixture.h"
#include "ui/main/form1_layout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

namespace orbel::testing {
namespace {

// Every caption of both pages must be whole and readable in its box: the
// font the window asks for must be installed, and each wrapped caption must
// fit the room its control leaves for text.
TEST_F(Form1Test, TheWindowFontIsInstalled) {
    const QFontInfo info(window->font());
    // The family asked for is a list; the first installed one is used.
    const QStringList families =
        QString::fromUtf8(kFormFontFamily.data(), static_cast<qsizetype>(kFormFontFamily.size()))
            .split(',');
    EXPECT_TRUE(families.contains(info.family())) << info.family().toStdString();
}

TEST_F(Form1Test, EveryCaptionFitsItsBox) {
    for (QRadioButton* button : window->findChildren<QRadioButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        const QRect needed = button->fontMetrics().boundingRect(
            room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
            button->text());
        EXPECT_TRUE(room.contains(needed))
            << button->objectName().toStdString() << " \"" << button->text().toStdString()
            << "\" needs " << needed.width() << "x" << needed.height() << ", has " << room.width()
            << "x" << room.height();
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QRect needed = label->fontMetrics().boundingRect(
            label->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        EXPECT_TRUE(label->contentsRect().contains(needed))
            << label->objectName().toStdString() << " needs " << needed.width() << "x"
            << needed.height();
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width() - 16)
            << box->objectName().toStdString();
    auto* calculate = find<QPushButton>("Command1");
    EXPECT_LE(calculate->fontMetrics().horizontalAdvance(calculate->text()),
              calculate->width() - 8);
}

} // namespace
} // namespace orbel::testing
