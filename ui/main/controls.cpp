#include "controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>

#include <algorithm>

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

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

namespace {

// Fusion sets a frame's caption above its line; the Windows style, built into
// every Qt, sets it in the line's top edge, with the etched border a frame has.
QStyle* captionInEdgeStyle() {
    static QStyle* const style = [] {
        QStyle* own = QApplication::style();
        if (own->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
            return own; // it already sets the caption in the edge
        QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"));
        if (!windows)
            return own;
        windows->setParent(qApp);
        return windows;
    }();
    return style;
}

} // namespace

Frame::Frame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {
    if (QStyle* style = captionInEdgeStyle(); style != QApplication::style())
        setStyle(style);
}

// A press and a release inside the frame make a click; a double-click is
// reported after the click that began it.
void Frame::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void Frame::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Frame::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

TextBox::TextBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    // The style's grey on a disabled field is too faint to read (about 1.6 : 1
    // on its background); this grey still says "disabled" at over 4.5 : 1.
    QPalette greyed = palette();
    greyed.setColor(QPalette::Disabled, QPalette::Text, QColor(0x60, 0x60, 0x60));
    setPalette(greyed);
    // A tooltip belongs to the text the program wrote; any other change of
    // the text, typing or emptying, takes it away.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (writing_)
            return;
        cut_ = false;
        setToolTip(QString());
    });
}

// Qt leaves the cursor after a text set by the program, and the field
// scrolls to show its end: "1277.696" in a narrow field reads "77.696".
// Here the text shows from its start, cut at the right edge, and the tooltip
// gives the whole text when it does not fit.
void TextBox::setProgramText(const QString& text) {
    writing_ = true;
    setText(text);
    writing_ = false;
    setCursorPosition(0);
    cut_ = !fitsInField(text);
    setToolTip(cut_ ? text : QString());
}

// Where the field draws its text: inside its frame and text margins, with
// the 2 pixels it keeps free on either side and 1 above and below.
QRect TextBox::lineRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(2, 1, -2, -1);
}

bool TextBox::fitsInField(const QString& text) const {
    // The cursor stands one pixel after the text.
    return fontMetrics().horizontalAdvance(text) + 1 <= lineRect().width();
}

// Cut at the right edge, a number may lose more than decimals: 3333120 would
// read 333312, and 5.72957795130823E-19 would read 5.7295. While the user is
// not editing it, such a text shows its first digits and a mark where it is
// cut, then as much of its exponent as fits: "3333…", "5.7…E-19". A text cut
// only in its decimals shows as it is, from its first digit.
void TextBox::paintEvent(QPaintEvent* event) {
    const QString shown = text();
    const QRect line = lineRect();
    const QFontMetrics metrics = fontMetrics();
    qsizetype exponent = shown.indexOf(QLatin1Char('E'));
    if (exponent <= 0)
        exponent = shown.size();
    const qsizetype point = shown.indexOf(QLatin1Char('.'));
    const qsizetype whole = point < 0 ? exponent : std::min(point, exponent);
    const bool losesMagnitude =
        exponent < shown.size() || metrics.horizontalAdvance(shown.left(whole)) > line.width();
    if (!cut_ || hasFocus() || !losesMagnitude) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

    const QString tail = QChar(0x2026) + shown.mid(exponent);
    QString head = shown.left(exponent);
    // The first digit stays, with its sign; then the right edge cuts as usual.
    const qsizetype least = head.startsWith(QLatin1Char('-')) ? 2 : 1;
    while (head.size() > least &&
           metrics.horizontalAdvance(head) + metrics.horizontalAdvance(tail) > line.width())
        head.chop(1);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, head + tail);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace orbel
