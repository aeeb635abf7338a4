// The controls that are more than Qt's own: an option
// button with a wrapping caption, a frame that reports a double-click, and a
// text field that shows what fits of its text.
#include "controls.h"

#include "runtime/fitted_text.h"
#include "ui/window_look.h"

#include <QApplication>
#include <QList>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <string_view>

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

// A tooltip the screen holds: the text in lines of at most half the screen's
// width, as many as two thirds of its height take. A longer text, a number
// too, ends in "…" and says how long it is; the field holds it whole. One line
// of ten thousand characters is wider than any window Windows can draw.
QString tipText(const QString& text, const QFontMetrics& metrics, const QRect& screen) {
    const int lines = std::max(2, screen.height() * 2 / 3 / metrics.lineSpacing());
    QString tip;
    int line = 1, used = 0;
    const QList<uint> characters = text.toUcs4();
    for (const char32_t character : characters) {
        const QString glyph = QString::fromUcs4(&character, 1);
        const int advance = metrics.horizontalAdvance(glyph);
        if (used > 0 && used + advance > screen.width() / 2) {
            if (++line == lines) {
                tip += QStringLiteral("…\n(%1 characters in all: click into the field to see them)")
                           .arg(characters.size());
                break;
            }
            tip += QLatin1Char('\n');
            used = 0;
        }
        tip += glyph;
        used += advance;
    }
    // Typed text is shown as typed, never read as markup.
    return Qt::mightBeRichText(tip) ? Qt::convertFromPlainText(tip, Qt::WhiteSpacePre) : tip;
}

} // namespace

Frame::Frame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {
    if (QStyle* style = captionInEdgeStyle(); style != QApplication::style())
        setStyle(style);
}

// A press inside the frame is the frame's, never the window background's.
void Frame::mousePressEvent(QMouseEvent*) {}

void Frame::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

TextBox::TextBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    // The style's grey on a disabled field is too faint to read (about 1.6 : 1
    // on its background); this grey still says "disabled", and its thinnest
    // strokes, drawn smoothed, stay over 4.5 : 1 (the colour itself is 7 : 1).
    QPalette greyed = palette();
    greyed.setColor(QPalette::Disabled, QPalette::Text, QColor(0x50, 0x50, 0x50));
    setPalette(greyed);
}

// The room for the text, as a field draws it while it is typed in: inside the
// frame, the text margins and the margin a line edit keeps on either side
// (Qt's own is 2 pixels, and a private constant). Without that margin a
// glyph at the edge would touch the frame: "-1277.7" read as 1277.7.
QRect TextBox::room() const {
    constexpr int kSideMargin = 2;
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(kSideMargin, 0, -kSideMargin, 0);
}

// Worked out afresh at every paint and every tooltip, from the text, the
// font and the room as they are then.
QString TextBox::shownText() const {
    const QFontMetrics metrics = fontMetrics();
    return toQString(fittedText(text().toStdString(), room().width(), [&](std::string_view part) {
        return metrics.horizontalAdvance(toQString(part));
    }));
}

// Qt would show the end of a text the field has scrolled through, and a
// glyph cut in half at its edge: "1277.696" read "77.696".
void TextBox::paintEvent(QPaintEvent* event) {
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(room(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
}

bool TextBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    if (const QString whole = text(); shownText() != whole) {
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
        const QScreen* shown =
            QGuiApplication::screenAt(at) ? QGuiApplication::screenAt(at) : screen();
        QToolTip::showText(
            at, tipText(whole, QFontMetrics(QToolTip::font()), shown->availableGeometry()), this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace orbel
