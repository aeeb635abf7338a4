#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace orbel::testing {

// Mouse input the way the window system delivers it: through the window, so
// that Qt turns a second press into a double-click and routes every event to
// the widget under the pointer, as for a real user.
inline QPoint inWindow(QWidget* widget, QPoint local) {
    return widget->mapTo(widget->window(), local);
}

inline void click(QWidget* widget, QPoint local = {}) {
    if (local.isNull())
        local = widget->rect().center();
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      inWindow(widget, local));
}

inline void doubleClick(QWidget* widget, QPoint local = {}) {
    if (local.isNull())
        local = widget->rect().center();
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                       inWindow(widget, local));
}

inline void typeInto(QWidget* field, const QString& text) {
    QTest::keyClicks(field, text);
}

} // namespace orbel::testing
