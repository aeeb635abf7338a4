// The About window: built from its table, loaded at each showing, kept off
// the task bar, placed whole on the screen, and its line and focus mark drawn.
#include "about_window.h"

#include "about_layout.h"
#include "ui/boxes.h"
#include "ui/control_table.h"
#include "ui/window_look.h"
#include "version/version.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFocusRect>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#include <xcb/xproto.h>
#endif

namespace orbel {
namespace {

static_assert(wellFormed(kAboutControls) && onWholePixels({kAboutWidthTwips, kAboutHeightTwips,
                                                           kAboutLeftTwips, kAboutTopTwips}));
static_assert(onWholePixels({kAboutLines[0].x1, kAboutLines[0].x2, kAboutLines[0].y,
                             kAboutLines[1].x1, kAboutLines[1].x2, kAboutLines[1].y}));

template <typename T> T* child(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

AboutWindow::AboutWindow(QString mainCaption, Boxes& boxes, std::function<bool()> startSysInfo)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , mainCaption_(std::move(mainCaption))
    , boxes_(boxes)
    , startSysInfo_(std::move(startSysInfo)) {
    build();
}

// Its window goes before the owner that would take it along.
AboutWindow::~AboutWindow() {
    destroy();
}

void AboutWindow::showModeless() {
    if (!isVisible()) {
        load();
        placeOnScreen();
        show();
        // Qt counts a window with an owner as a secondary one, which would
        // let the program end with the main window; the system keeps the
        // owner it was shown with.
        windowHandle()->setTransientParent(nullptr);
    }
    raise();
    activateWindow();
}

void AboutWindow::load() {
    setWindowTitle(QStringLiteral("About ") + mainCaption_);
    child<QLabel>(this, "lblVersion")
        ->setText(QStringLiteral("Version ") + toQString(shortVersionText()));
    child<QLabel>(this, "lblTitle")->setText(mainCaption_);
    // A screen reader says a window's name and description as it opens; the
    // labels under the title are the description.
    QStringList description;
    for (const char* name : {"lblVersion", "lblDescription", "lblDisclaimer"})
        description << child<QLabel>(this, name)->text();
    setAccessibleDescription(description.join(QStringLiteral(". ")));
}

void AboutWindow::startSysInfo() {
    if (!startSysInfo_())
        boxes_.messageBox(this, kSysInfoUnavailable);
}

void AboutWindow::build() {
    setFont(formFont());
    setFixedSize(toPixels(kAboutWidthTwips), toPixels(kAboutHeightTwips));
    const BuiltControls built = buildControls(*this, kAboutWindowName, kAboutControls);
    // Tab visits the controls that take the focus in the order of their tab positions.
    QWidget* previous = nullptr;
    for (QWidget* control : built.tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }

    auto* picture = built.get<QLabel>("picIcon");
    picture->setAccessibleName(mainCaption_ + QStringLiteral(" icon"));
    picture->installEventFilter(this); // its focus mark is drawn here
    // The labels label the window, whose description they make together: so
    // Orca reads that description whole, not only the one label it deems
    // long enough.
    for (const ControlRow& row : kAboutControls)
        if (row.kind == ControlKind::Label)
            built.get<QLabel>(row.name)->setBuddy(this);

    auto* ok = built.get<QPushButton>("cmdOK");
    ok->setDefault(true); // Enter, unless another button has the focus
    connect(ok, &QPushButton::clicked, this, &AboutWindow::accept);
    connect(built.get<QPushButton>("cmdSysInfo"), &QPushButton::clicked, this,
            &AboutWindow::startSysInfo);
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every opening starts at OK, wherever the focus was when it closed.
    child<QPushButton>(this, "cmdOK")->setFocus();
    keepOffTaskBar();
}

// Set just before the window is shown. Qt may meanwhile have made the active
// window its owner; that would tie it to the main window.
void AboutWindow::keepOffTaskBar() {
#ifdef _WIN32
    taskBarOwner_.create();
    windowHandle()->setTransientParent(&taskBarOwner_);
#else
    windowHandle()->setTransientParent(nullptr);
#if QT_CONFIG(xcb)
    // On X11 a window state says it, which the window manager clears when
    // the window closes.
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb"))
        return; // another platform; offscreen, too, may answer for X11
    xcb_connection_t* connection = x11->connection();
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    };
    const xcb_atom_t skip = atom("_NET_WM_STATE_SKIP_TASKBAR");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(winId()),
                        atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &skip);
#endif
#endif
}

// At its written place, moved just enough to stay whole on a smaller screen.
void AboutWindow::placeOnScreen() {
    QRect place(toPixels(kAboutLeftTwips), toPixels(kAboutTopTwips), width(), height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const auto within = [](int at, int size, int first, int last) {
            return std::clamp(at, first, std::max(first, last + 1 - size));
        };
        place.moveTo(within(place.left(), place.width(), available.left(), available.right()),
                     within(place.top(), place.height(), available.top(), available.bottom()));
    }
    setGeometry(place);
}

void AboutWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const AboutLine& line : kAboutLines) {
        painter.setPen(QPen(QColor::fromRgb(line.rgb), line.width));
        // A wide pen is drawn inside the line's top edge, as the window draws it.
        const int y = toPixels(line.y) + line.width / 2;
        painter.drawLine(toPixels(line.x1), y, toPixels(line.x2), y);
    }
    // The picture shows that it has the focus as a button does, around it.
    if (const QWidget* icon = child<QLabel>(this, "picIcon"); icon->hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = icon->geometry().adjusted(-2, -2, 2, 2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update(); // the picture's focus mark
    return QDialog::eventFilter(watched, event);
}

} // namespace orbel
