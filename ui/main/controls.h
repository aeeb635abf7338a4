#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace orbel {

// The three kinds of control whose double-click means something here. Each
// reports a double-click as its own signal, after the click that began it.

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

// A frame that answers a click and a double-click on its own area; a click
// on a control inside it belongs to that control.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(const QString& title, QWidget* parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A text field. A text the program writes shows from its first character,
// and when it is wider than the field the tooltip holds all of it; the user's
// own typing works as in any field. Greyed when disabled, but legible.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(const QString& text, QWidget* parent);

    void setProgramText(const QString& text);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect lineRect() const;
    bool fitsInField(const QString& text) const;

    bool writing_ = false;
    bool cut_ = false; // the program's text is wider than the field
};

} // namespace orbel
