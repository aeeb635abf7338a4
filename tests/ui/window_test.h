#pragma once

#include "support/fakes.h"
#include "ui/main/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QMetaEnum>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <utility>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.left(200).toStdString() << '"';
}

namespace orbel::testing {

// A shown main window whose boxes answer at once, and the user's stories
// played on it as one line each.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void open() {
        boxes = {};
        sysInfoStarts = 0;
        qApp->installEventFilter(&listener);
        listener.heard.clear();
        window = std::make_unique<Form1>(boxes, [this] { ++sysInfoStarts; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Mouse input as the window system delivers it: through the window, so Qt
    // makes a second press a double-click and routes each event to the widget
    // under the pointer.
    static void mouse(QWidget* widget, bool twice, QPoint at = {}) {
        const QPoint where =
            widget->mapTo(widget->window(), at.isNull() ? widget->rect().center() : at);
        twice ? QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {}, where)
              : QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, where);
    }

    // A control of the main window or of the About window, or either window.
    QWidget* find(const QString& name) const {
        QWidget* shown = about();
        QWidget* found = name == "frmAbout" ? shown
                         : name == "Form1"  ? window.get()
                                            : window->findChild<QWidget*>(name);
        found = found || !shown ? found : shown->findChild<QWidget*>(name);
        EXPECT_TRUE(found || name == "frmAbout") << name.toStdString();
        return found;
    }
    // The About window, if one was made: never more than one.
    static QWidget* about() {
        QWidget* found = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmAbout" && std::exchange(found, top))
                ADD_FAILURE() << "a second About window";
        return found;
    }

    // Plays a story, steps separated by ";":
    //   "Dist=10"       types into a field after a double-click has emptied it
    //   "click X"       clicks control X: an option button at the far end of its
    //                   box, away from text and round button, a frame at an empty
    //                   spot right of its buttons, Form1 at a bare spot of its
    //                   background, anything else in its middle; "click X x y" there
    //   "double X"      double-clicks X the same way
    //   "key X Tab"     a key, named as QKeySequence names it, on X
    //   "answer T"      the next input box answers T
    void play(const QString& story) {
        for (const QString& step : story.split(';', Qt::SkipEmptyParts)) {
            const QStringList word = step.split(' ');
            const QString verb = word[0], name = word.value(1);
            if (step.contains('=')) {
                mouse(find(step.section('=', 0, 0)), true);
                QTest::keyClicks(find(step.section('=', 0, 0)), step.section('=', 1));
            } else if (verb == "click" || verb == "double") {
                const QPoint at =
                    word.size() > 3 ? QPoint(word[2].toInt(), word[3].toInt()) : spot(find(name));
                mouse(find(name), verb == "double", at);
            } else if (verb == "answer") {
                boxes.answer(step.section(' ', 1).toStdString());
            } else if (verb == "key") {
                find(name)->setFocus();
                QTest::keyClick(find(name), Qt::Key(QKeySequence(word[2])[0].key()));
            } else {
                ADD_FAILURE() << "no such step: " << step.toStdString();
            }
            QCoreApplication::processEvents();
        }
    }
    QPoint spot(QWidget* control) const {
        if (control == window.get())
            return QPoint(380, 300);
        if (qobject_cast<QRadioButton*>(control))
            return QPoint(control->width() - 3, control->height() / 2);
        return control->inherits("QGroupBox") ? QPoint(control->width() - 4, 40) : QPoint();
    }
    // What the window shows: "X" a control's text, "X.focus" whether it has
    // its window's focus, "X.p" its Qt property p ("FOV.toolTip",
    // "Option7.checked"); "message" the last message, "asked" the last input
    // box, "starts" how often System Info was pressed; "X.acc.name",
    // "X.acc.description", "X.acc.role" and "X.acc.state" (named bits) what a
    // screen reader reads of X, "announced" what it was last told unasked.
    QString shows(const QString& probe) {
        const QString name = probe.section('.', 0, 0), what = probe.section('.', 1);
        if (name == "starts")
            return QString::number(sysInfoStarts);
        if (name == "announced")
            return listener.heard;
        if (name == "message" || name == "asked") {
            const auto& boxed = name == "asked" ? boxes.inputs : boxes.messages;
            return QString::fromStdString(boxed.empty() ? "" : boxed.back())
                .section('|', 0, name == "asked" ? 2 : 0);
        }
        QWidget* control = find(name);
        if (!control || what == "focus")
            return !control                                      ? "none"
                   : control->window()->focusWidget() == control ? "true"
                                                                 : "false";
        if (what.startsWith("acc."))
            return accessible(QAccessible::queryAccessibleInterface(control), what.mid(4));
        return control->property(what.isEmpty() ? "text" : qPrintable(what)).toString();
    }
    static QString accessible(QAccessibleInterface* face, const QString& what) {
        if (what == "role")
            return QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role());
        const QAccessible::State s = face->state();
        QStringList on;
        for (auto [set, bit] :
             {std::pair(s.disabled, "disabled"), std::pair(s.focusable, "focusable"),
              std::pair(s.editable, "editable"), std::pair(s.readOnly, "readOnly")})
            if (set)
                on << bit;
        if (what == "state")
            return on.join(' ');
        return face->text(what == "name" ? QAccessible::Name : QAccessible::Description);
    }
    // Qt tells a screen reader of each widget that turns up, where a bridge
    // listens (none does on the offscreen platform, so the stories hear the
    // same turn itself); a notification that turns up is spoken at once.
    struct : QObject {
        bool eventFilter(QObject* object, QEvent* event) override {
            QAccessibleInterface* face = event->type() == QEvent::Show
                                             ? QAccessible::queryAccessibleInterface(object)
                                             : nullptr;
            if (face && face->role() == QAccessible::Notification)
                heard = face->text(QAccessible::Name);
            return false;
        }
        QString heard;
    } listener;
    // Each story on a window of its own: what it shows afterwards, probe by
    // probe, "Sensor=8.192;Option6.on=1".
    void expectStories(std::initializer_list<std::pair<const char*, const char*>> stories) {
        for (auto [story, expected] : stories) {
            open();
            play(story);
            QStringList seen;
            for (const QString& pair : QString(expected).split(';'))
                seen << pair.section('=', 0, 0) + "=" + shows(pair.section('=', 0, 0));
            EXPECT_EQ(seen.join(';'), expected) << story;
        }
    }

    FakeBoxes boxes;
    int sysInfoStarts = 0;
    std::unique_ptr<Form1> window;
};

} // namespace orbel::testing
