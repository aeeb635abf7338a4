#include "controls.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace orbel {

void OptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);

    option.text = caption;
    const QRect textRect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    painter.drawItemText(textRect,
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), caption, QPalette::WindowText);
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QRadioButton::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}

void Frame::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Frame::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void Frame::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void Frame::hideEvent(QHideEvent* event) {
    pressed_ = false;
    QGroupBox::hideEvent(event);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace orbel
