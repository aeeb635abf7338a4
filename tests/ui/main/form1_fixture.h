#pragma once

#include "fake_boxes.h"
#include "ui/main/form1.h"
#include "user_input.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

// Failure messages show a QString as its text (or its length, when long).
inline void PrintTo(const QString& text, std::ostream* out) {
    if (text.size() > 200)
        *out << "<" << text.size() << " characters>";
    else
        *out << '"' << text.toStdString() << '"';
}

namespace orbel::testing {

// A shown main window with boxes that answer at once.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<Form1>(boxes, [this] { ++sysInfoStarts; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget> T* find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* text(const char* name) const { return find<QLineEdit>(name); }
    QRadioButton* option(const char* name) const { return find<QRadioButton>(name); }
    QGroupBox* frame(const char* name) const { return find<QGroupBox>(name); }
    QString sensor() const { return text("Sensor")->text(); }

    // An empty spot of a camera page: right of the presets, between two rows.
    void turnPage(const char* visibleFrame) { doubleClick(frame(visibleFrame), QPoint(117, 40)); }

    // Clicks a preset on whichever page holds it, turning the page if needed.
    void select(const char* control) {
        QRadioButton* button = option(control);
        if (!button->isVisibleTo(window.get()))
            turnPage(frame("Frame2")->isVisible() ? "Frame2" : "Frame3");
        click(button);
    }

    static QList<QWidget*> aboutWindows() {
        QList<QWidget*> found;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmAbout")
                found.append(top);
        return found;
    }
    static int visibleAboutWindows() {
        int visible = 0;
        for (QWidget* about : aboutWindows())
            visible += about->isVisible() ? 1 : 0;
        return visible;
    }
    static void closeAboutWindows() {
        for (QWidget* about : aboutWindows())
            about->close();
    }

    void TearDown() override { closeAboutWindows(); }

    FakeBoxes boxes;
    int sysInfoStarts = 0;
    std::unique_ptr<Form1> window;
};

} // namespace orbel::testing
