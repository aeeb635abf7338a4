#pragma once

#include "ui/dialog_boxes.h"
#include "ui/main/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <gtest/gtest.h>

namespace orbel::testing {

// A shown main window with the program's own boxes, and the user's stories
// played on it as one line each. Every box that opens is answered as the
// story says, through its own buttons and keys, and remembered.
class WindowTest : public ::testing::Test, public QObject {
protected:
    void SetUp() override {
        qApp->installEventFilter(this);
        open();
    }
    void TearDown() override { qApp->removeEventFilter(this); }
    void open() {
        kept = {{"message", ""}, {"box", ""}, {"announced", ""}};
        answers.clear();
        boxShot = QImage();
        starts = 0;
        // System Info starts its tool at every odd press, and finds none at
        // every even one.
        window = std::make_unique<MainWindow>(boxes, [this] { return ++starts % 2 == 1; });
        boxes.setProgramTitle(window->windowTitle());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A window or a control of one by its name, or none (a probe of it then
    // reads "none").
    static QWidget* find(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (QWidget* found = top->objectName() == name ? top : top->findChild<QWidget*>(name))
                return found;
        return nullptr;
    }

    // Plays a story, steps separated by ";":
    //   "Dist=10"       types into a field after a double-click has emptied it
    //   "click X"       clicks control X: an option button at the far end of its
    //                   box, away from text and round button, a frame at an empty
    //                   spot right of its buttons, Form1 at a bare spot of its
    //                   background, anything else in its middle
    //   "double X"      double-clicks X the same way
    //   "key X Tab"     a key, named as QKeySequence names it, on X
    //   "answer T"      the next input box is answered T and Enter; "escape"
    //                   answers it with the Esc key; a box with no answer
    //                   waiting takes Enter
    // Mouse input goes through the window, as the window system delivers it,
    // so Qt makes a second press a double-click and routes each event to the
    // widget under the pointer.
    void play(const QString& story) {
        for (const QString& step : story.split(';', Qt::SkipEmptyParts)) {
            const QStringList word = step.split(' ');
            const bool typed = step.contains('=');
            if (word[0] == "answer" || word[0] == "escape") {
                answers << step;
                continue;
            }
            QWidget* control = find(typed ? step.section('=', 0, 0) : word.value(1));
            if (!control)
                return;
            const QPoint at =
                control->mapTo(control->window(),
                               control == window.get() ? QPoint(380, 300)
                               : control->inherits("QRadioButton")
                                   ? QPoint(control->width() - 3, control->height() / 2)
                               : control->inherits("QGroupBox") ? QPoint(control->width() - 4, 40)
                                                                : control->rect().center());
            QWindow* handle = control->window()->windowHandle();
            if (typed || word[0] == "double")
                QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
            if (typed)
                QTest::keyClicks(control, step.section('=', 1));
            else if (word[0] == "click")
                QTest::mouseClick(handle, Qt::LeftButton, {}, at);
            else if (word[0] == "key") {
                control->setFocus();
                QTest::keyClick(control, QKeySequence(word[2])[0].key());
            }
            QCoreApplication::processEvents();
        }
    }

    // A box has opened: remember it, its picture and what it says, then
    // answer it. A notification turning up is what a screen reader speaks at
    // once (Qt tells it of each widget shown; the offscreen platform has no
    // bridge, so the stories listen to the same turn themselves).
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        auto* input = qobject_cast<QInputDialog*>(watched);
        auto* shown = input ? static_cast<QDialog*>(input) : qobject_cast<QMessageBox*>(watched);
        auto* face = QAccessible::queryAccessibleInterface(watched);
        if (shown)
            QTimer::singleShot(0, shown, [this, shown, input] { answer(shown, input); });
        else if (face && face->role() == QAccessible::Notification)
            kept["announced"] = face->text(QAccessible::Name);
        return false;
    }
    void answer(QDialog* shown, QInputDialog* input) {
        kept["box"] = shown->parentWidget()->objectName() + "|" + shown->windowTitle();
        boxShot = shown->grab().toImage();
        if (!input) {
            kept["message"] = static_cast<QMessageBox*>(shown)->text();
            return QTest::keyClick(shown, Qt::Key_Return);
        }
        auto* line = input->findChild<QLineEdit*>();
        const QString step = answers.isEmpty() ? QString() : answers.takeFirst();
        if (step.startsWith("answer")) {
            line->selectAll();
            QTest::keyClicks(line, step.section(' ', 1));
        }
        QTest::keyClick(line, step == "escape" ? Qt::Key_Escape : Qt::Key_Return);
    }

    // What the window shows: "X" a control's text, "X.tip" a field's tooltip,
    // "X.p" its Qt property p ("Option7.checked", "Dist.focus"); "X.acc.name",
    // ".description", ".role", ".state" (named bits; "editable" with the
    // interface to edit it), ".text" and ".caret" what a screen reader reads
    // of X, ".labels" how many things X labels; "message" the last message,
    // "box" the last box's owner and title, "starts" how often System Info
    // was pressed, "announced" what a screen reader was last told unasked
    // (empty before). A control that does not exist reads "none", a property
    // that does not exist is an error.
    QString shows(const QString& probe) {
        const QString name = probe.section('.', 0, 0), what = probe.section('.', 1);
        if (name == "starts")
            return QString::number(starts);
        if (kept.count(name))
            return kept[name];
        QWidget* control = find(name);
        if (!control)
            return "none";
        auto* face = QAccessible::queryAccessibleInterface(control);
        QHelpEvent help(QEvent::ToolTip, {1, 1}, control->mapToGlobal(QPoint(1, 1)));
        if (what == "tip") {
            QApplication::sendEvent(control, &help);
            return help.isAccepted() ? QToolTip::text() : "";
        }
        if (what == "acc.labels")
            return QString::number(face->relations(QAccessible::Labelled).size());
        if (what == "acc.role")
            return QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role());
        if (const QAccessible::State s = face->state(); what == "acc.state")
            return QStringList{s.disabled ? "disabled" : "",
                               s.editable && face->editableTextInterface() ? "editable" : "",
                               s.focusable ? "focusable" : "", s.readOnly ? "readOnly" : ""}
                .join(' ')
                .simplified();
        // At the caret, as a screen reader reads a field: "word|character|run",
        // then the character before the end, then nothing from before the start.
        if (auto* text = face->textInterface(); what == "acc.caret") {
            QStringList read;
            int start = 0, end = 0;
            for (auto kind : {QAccessible::WordBoundary, QAccessible::CharBoundary})
                read << text->textAtOffset(-2, kind, &start, &end);
            text->attributes(text->cursorPosition(), &start, &end);
            read << text->text(start, end)
                 << text->textBeforeOffset(-1, QAccessible::CharBoundary, &start, &end)
                 << text->text(-1, 1);
            return read.join('|');
        }
        // found in its place on screen
        if (auto* text = face->textInterface(); what == "acc.text")
            return face->rect().contains(text->characterRect(0).center())
                       ? text->text(0, text->characterCount())
                       : "";
        if (what.startsWith("acc."))
            return face->text(what == "acc.name" ? QAccessible::Name : QAccessible::Description);
        const QVariant value = control->property(what.isEmpty() ? "text" : qPrintable(what));
        EXPECT_TRUE(value.isValid()) << "no property " << probe.toStdString();
        return value.toString();
    }
    // Each story, named, on a window of its own: what it shows afterwards,
    // probe by probe, "Sensor=8.192;Option6.checked=true".
    struct Story {
        const char *name, *steps, *expected;
    };
    void expectStories(std::initializer_list<Story> stories) {
        for (auto [name, story, expected] : stories) {
            open();
            play(story);
            QStringList seen;
            for (const QString& pair : QString(expected).split(';'))
                seen << pair.section('=', 0, 0) + "=" + shows(pair.section('=', 0, 0));
            EXPECT_EQ(seen.join(';').toStdString(), expected) << name;
        }
    }

    // The picture the user sees after a story, pixel for pixel as the
    // reference in tests/ui/pictures/qtX.Y for the running Qt's minor
    // release (each draws its own way): the last box if one opened, else the
    // active window, the About window if it is open. With
    // ORBEL_WRITE_REFERENCES set, the reference is written instead. A
    // mismatch writes the actual picture into the build folder and names it.
    void expectPicture(const QString& name) {
        const QImage shot =
            (boxShot.isNull() ? QApplication::activeWindow()->grab().toImage() : boxShot)
                .convertToFormat(QImage::Format_RGB32);
        const QString folder = ORBEL_PICTURES "/qt" + QString(qVersion()).section('.', 0, 1),
                      reference = folder + "/" + name + ".png";
        if (qEnvironmentVariableIsSet("ORBEL_WRITE_REFERENCES")) {
            EXPECT_TRUE(QDir().mkpath(folder) && shot.save(reference)) << reference.toStdString();
            return;
        }
        if (shot == QImage(reference).convertToFormat(QImage::Format_RGB32))
            return;
        shot.save(name + "-actual.png");
        ADD_FAILURE() << QFileInfo(name + "-actual.png").absoluteFilePath().toStdString()
                      << " differs from " << reference.toStdString();
    }

    QStringList answers;
    // what the stories remember beside the windows
    std::map<QString, QString> kept;
    int starts = 0;
    QImage boxShot;
    DialogBoxes boxes;
    std::unique_ptr<MainWindow> window;
};

} // namespace orbel::testing
