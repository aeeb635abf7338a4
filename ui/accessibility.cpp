// What a screen reader learns beyond Qt's own: the fields, the
// frames and the main window's roles, the announcement, and the cameras' keys.
#include "accessibility.h"

#include "controls.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstddef>
#include <vector>

#ifdef Q_OS_WIN
#include "windows_notification.h"
#endif

namespace orbel {
namespace {

// Where the pieces of a text of one kind begin and end, 0 and its length
// included: characters, words or sentences as Unicode finds them; a field
// has one line.
std::vector<int> pieceBounds(const QString& text, QAccessible::TextBoundaryType kind) {
    const int length = static_cast<int>(text.size());
    QTextBoundaryFinder::BoundaryType finderKind = QTextBoundaryFinder::Grapheme;
    switch (kind) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        finderKind = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderKind = QTextBoundaryFinder::Sentence;
        break;
    default:
        return length == 0 ? std::vector<int>{0} : std::vector<int>{0, length};
    }
    std::vector<int> bounds{0};
    QTextBoundaryFinder finder(finderKind, text);
    while (finder.toNextBoundary() > 0)
        bounds.push_back(static_cast<int>(finder.position()));
    return bounds;
}

// Every line edit, the program's fields and the input box's alike. Qt's own
// interface gives each character a text-attribute run of its own, and an
// empty one, so Orca, which reads a line run by run, dropped its last
// character ("1277.69", "64" for 640, nothing for "8"); and asked for the
// word at the end of the text it never returns. Here the text is one run
// and one line wherever the caret stands, and the characters, words and
// sentences are those around the offset.
//
// A field without the focus shows a shorter form of its text, so there
// every character stands where the shown text does; a screen reader's
// review of the screen reads only text it finds a place for. Its tooltip,
// the whole text again, is no description. A field disabled for good (FOV)
// is neither editable nor focusable, and has no caret.
class FieldInterface : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit FieldInterface(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const bool typable = field()->isEnabled() && !field()->isReadOnly();
        state.focusable = state.focusable && field()->isEnabled();
        state.editable = typable;
        state.readOnly = !typable;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return whole();
        if (kind == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value && state().editable)
            field()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    void* interface_cast(QAccessible::InterfaceType kind) override {
        if (kind == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (kind == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(kind);
    }

    QString text(int start, int end) const override {
        return start < 0 || start > end ? QString() : whole().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(whole().size()); }
    int cursorPosition() const override {
        return field()->isEnabled() ? field()->cursorPosition() : 0;
    }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = field()->selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            field()->setSelection(start, end - start);
    }
    void scrollToSubstring(int start, int end) override {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }
    // A line edit has no text attributes: its whole text is one run.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

    QString textAtOffset(int offset, QAccessible::TextBoundaryType kind, int* start,
                         int* end) const override {
        return piece(offset, kind, 0, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType kind, int* start,
                             int* end) const override {
        return piece(offset, kind, -1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType kind, int* start,
                            int* end) const override {
        return piece(offset, kind, 1, start, end);
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (state().editable)
            field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
    // A hidden text is not read out.
    QString whole() const {
        return field()->echoMode() == QLineEdit::Normal ? field()->text() : QString();
    }
    bool showsAnotherForm() const {
        return qobject_cast<TextBox*>(widget()) && !widget()->hasFocus();
    }

    // The piece of the given kind at the offset (-2 the caret, -1 the end),
    // or the one before or after it. At the end of the text there is no
    // character; the word, sentence or line there is the one that ends there.
    QString piece(int offset, QAccessible::TextBoundaryType kind, int step, int* start,
                  int* end) const {
        const QString text = whole();
        const int length = static_cast<int>(text.size());
        if (offset == -2)
            offset = cursorPosition();
        else if (offset == -1)
            offset = length;
        *start = *end = -1;
        if (offset < 0 || offset > length)
            return {};
        const std::vector<int> bounds = pieceBounds(text, kind);
        // The piece at the offset is [bounds[at], bounds[at + 1]).
        auto at = static_cast<std::ptrdiff_t>(
            std::upper_bound(bounds.begin(), bounds.end(), offset) - bounds.begin() - 1);
        const auto last = static_cast<std::ptrdiff_t>(bounds.size()) - 1;
        if (offset == length && kind != QAccessible::CharBoundary)
            at = std::max<std::ptrdiff_t>(last - 1, 0);
        at += step;
        if (at < 0 || at >= last) {
            *start = *end = at < 0 ? 0 : length;
            return {};
        }
        *start = bounds[static_cast<std::size_t>(at)];
        *end = bounds[static_cast<std::size_t>(at) + 1];
        return text.mid(*start, *end - *start);
    }
};

// Where the field draws a character while it is typed in: from the caret,
// which Qt places with the text scrolled as it is.
QRect FieldInterface::characterRect(int offset) const {
    const QString text = whole();
    if (offset < 0 || offset >= text.size())
        return {};
    if (showsAnotherForm() || !field()->isEnabled())
        return rect();
    const QFontMetrics metrics = field()->fontMetrics();
    const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(field()->cursorPosition()));
    const QRect local(x, caret.y(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
    return {field()->mapToGlobal(local.topLeft()), local.size()};
}

int FieldInterface::offsetAtPoint(const QPoint& point) const {
    if (!rect().contains(point))
        return -1;
    if (showsAnotherForm() || !field()->isEnabled())
        return 0;
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

// A frame is known by its caption. Qt makes a titled group both the context a
// screen reader announces on entering it and the label of every button in it,
// so Orca says the caption twice ("Units panel. Units."); as a plain container
// (a filler on Linux, a group to UI Automation, as before) it is said once, as
// the label of the button the focus lands on.
class FrameInterface : public QAccessibleWidget {
public:
    explicit FrameInterface(QGroupBox* frame)
        : QAccessibleWidget(frame, QAccessible::Client) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<QGroupBox*>(widget())->title();
        return QAccessibleWidget::text(kind);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            for (int i = 0; i < childCount(); ++i)
                related.append({child(i), QAccessible::Labelled});
        return related;
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("orbel::Announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("orbel::Frame"))
        return new FrameInterface(static_cast<QGroupBox*>(widget));
    if (className == QLatin1String("QLineEdit"))
        return new FieldInterface(static_cast<QLineEdit*>(widget));
    // A window made of a plain widget is a frame with a title bar, as the
    // window system shows it; Qt would call it a filler.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

Announcement::Announcement(QWidget* parent)
    : QWidget(parent) {
    resize(0, 0);
    hide(); // until there is something to say
}

void Announcement::announce(const QString& line) {
    hide();
    setAccessibleName(line);
    show();
#ifdef Q_OS_WIN
    raiseNotification(window(), line);
#endif
}

void setCameraTip(QAbstractButton* camera, const QString& tip, bool takesResolution) {
    camera->setToolTip(tip);
    QString description = tip + QStringLiteral(". Page Up or Page Down turns the camera page.");
    if (takesResolution)
        description += QStringLiteral(" Enter sets a custom resolution.");
    camera->setAccessibleDescription(description);
}

} // namespace orbel
