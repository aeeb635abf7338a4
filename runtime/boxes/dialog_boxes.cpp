#include "dialog_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>

namespace orbel {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A carriage return starts a new line, with or without a line feed after it.
QString asLines(std::string_view prompt) {
    QString text = toQString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString titleOrProgram(std::string_view title) {
    return title.empty() ? QApplication::applicationDisplayName() : toQString(title);
}

} // namespace

// A box stands over the window the user is working in (the About window for
// System Info), or over the main window when none is active.
QWidget* DialogBoxes::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_;
}

std::string DialogBoxes::inputBox(std::string_view prompt, std::string_view title,
                                  std::string_view defaultText) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(titleOrProgram(title));
    dialog.setLabelText(asLines(prompt));
    dialog.setTextValue(toQString(defaultText));
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}

void DialogBoxes::messageBox(std::string_view message, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrProgram(title), toQString(message), QMessageBox::Ok,
                    parent_);
    box.exec();
}

} // namespace orbel
