#pragma once

#include "support/fakes.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <utility>

namespace orbel::testing {

// A shown main window whose boxes answer at once.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override {
        if (QWidget* shown = about())
            shown->close();
    }
    void open() {
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
    static void click(QWidget* widget, QPoint at = {}) { mouse(widget, false, at); }
    static void doubleClick(QWidget* widget, QPoint at = {}) { mouse(widget, true, at); }
    // The far corner of a control's box, away from its text and its round button.
    static QPoint corner(QWidget* widget) { return widget->rect().bottomRight() - QPoint(2, 2); }

    template <typename T = QWidget> T* find(const char* name, QWidget* in = nullptr) const {
        T* found = (in ? in : window.get())->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QRadioButton* option(const char* name) const { return find<QRadioButton>(name); }
    QString text(const char* name) const { return field(name)->text(); }
    QString texts() const {
        return QStringList{text("Wdth"), text("Dist"), text("Fmm"), text("FOV")}.join('|');
    }

    // Types as the user does: a double-click empties the field, then keys.
    void type(const char* name, const QString& typed) {
        doubleClick(field(name));
        QTest::keyClicks(field(name), typed);
    }
    // An empty spot of the visible camera page turns it.
    void turnPage() {
        doubleClick(find(find("Frame2")->isVisible() ? "Frame2" : "Frame3"), QPoint(117, 40));
    }
    // Clicks a camera, turning to its page first.
    void select(const char* control) {
        if (!option(control)->isVisibleTo(window.get()))
            turnPage();
        click(option(control), corner(option(control)));
    }
    // The About window, if one was made: never more than one.
    static QWidget* about() {
        QWidget* found = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmAbout" && std::exchange(found, top))
                ADD_FAILURE() << "a second About window";
        return found;
    }
    QWidget* openAbout() {
        doubleClick(window.get(), QPoint(380, 300));
        return about();
    }

    FakeBoxes boxes;
    int sysInfoStarts = 0;
    std::unique_ptr<Form1> window;
};

} // namespace orbel::testing
