// What a screen reader learns beyond Qt's own: the read-only FOV field, the
// frames and the main window's roles, the announcement, and the cameras' keys.
#include "accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLineEdit>

#ifdef Q_OS_WIN
#include "windows_notification.h"
#endif

namespace orbel {
namespace {

// A field the user cannot type in: FOV, disabled for the whole run. Qt would
// call it editable and focusable; it is neither. Its text stays readable, and
// its tooltip, the whole value again, is no description.
class ReadOnlyField : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyField(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = state.focusable && !state.disabled;
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return value();
        if (kind == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType kind) override {
        if (kind == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(kind);
    }

    // The text, whole, with no caret and nothing selected.
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(value().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    // The field may show a shorter form of its text, so every character
    // stands where the shown text does; a screen reader's review of the
    // screen reads only text it finds a place for.
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint& point) const override {
        return rect().contains(point) ? 0 : -1;
    }

private:
    QString value() const { return static_cast<QLineEdit*>(widget())->text(); }
};

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
    if (className == QLatin1String("orbel::TextBox") && !widget->isEnabled())
        return new ReadOnlyField(static_cast<QLineEdit*>(widget));
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

// Qt makes a field's interface as the field is built, while it is still
// enabled; that one goes, and the next question makes the read-only one.
void describeDisabledField(QLineEdit* field) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(field);
    if (made && !dynamic_cast<ReadOnlyField*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
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
