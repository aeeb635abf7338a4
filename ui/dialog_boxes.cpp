// The input and message boxes as Qt dialogs.
#include "dialog_boxes.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

#include <string>
#include <string_view>

namespace orbel {
namespace {

// A prompt's carriage returns start new lines.
QString asLines(std::string_view prompt) {
    return QString::fromUtf8(prompt).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

QString DialogBoxes::titleOrProgram(std::string_view title) const {
    if (!title.empty())
        return QString::fromUtf8(title);
    return programTitle_.isEmpty() ? QApplication::applicationName() : programTitle_;
}

std::string DialogBoxes::inputBox(QWidget* owner, std::string_view prompt, std::string_view title,
                                  std::string_view defaultText) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(titleOrProgram(title));
    dialog.setLabelText(asLines(prompt));
    dialog.setTextValue(QString::fromUtf8(defaultText));
    // Qt sizes the box to its prompt, and a window manager cuts a title wider
    // than the window ("Custom… olution"). As input boxes on Windows are, it
    // is as wide as its title in the title bar's font, with room for the bar's
    // icon and three buttons, each about a bar high, and space between. Qt's
    // layout sets the box's own least size from its contents: the prompt's.
    const QFontMetrics bar(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    if (auto* label = dialog.findChild<QLabel*>())
        label->setMinimumWidth(bar.horizontalAdvance(dialog.windowTitle()) +
                               6 * dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}

void DialogBoxes::messageBox(QWidget* owner, std::string_view message, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrProgram(title), QString::fromUtf8(message),
                    QMessageBox::Ok, owner);
    box.exec();
}

} // namespace orbel
