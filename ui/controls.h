#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace orbel {

// The three kinds of control of the main window whose double-click means
// something. Each reports a double-click as its own signal, after the click
// that began it.

// An option button whose caption wraps inside its box, as a two-line caption
// of a tall button must.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Taken over so that the second half of a double-click is not a second
    // click: a custom width entered after it must not be overwritten.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The whole box is the control, not only the round button and the
    // caption's text.
    bool hitButton(const QPoint& pos) const override;
};

// A frame that answers a double-click on its own area; a click on a control
// inside it belongs to that control.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(const QString& title, QWidget* parent);

signals:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A text field. While it has the focus it edits as any field does; without
// it, it shows what fits of its text in its room (see fittedText: whole, cut
// with a mark and its whole exponent, rounded, or a fill), and its tooltip is
// the whole text whenever that is not what it shows. Greyed when disabled,
// but legible.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(const QString& text, QWidget* parent);

    // What the field shows while it does not have the focus.
    QString shownText() const;

signals:
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect room() const;
};

} // namespace orbel
