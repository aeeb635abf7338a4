#include "frm_about.h"

#include "about_layout.h"
#include "runtime/version.h"
#include "ui/window_look.h"

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
#include <utility>
#include <vector>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
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

frmAbout::frmAbout(QString mainCaption, std::function<void()> startSysInfo)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , mainCaption_(std::move(mainCaption))
    , startSysInfo_(std::move(startSysInfo)) {
    build();
}

// Its window goes before the owner that would take it along.
frmAbout::~frmAbout() {
    destroy();
}

void frmAbout::showModeless() {
    if (!isVisible()) {
        Form_Load();
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

// The load step, at every load.
void frmAbout::Form_Load() {
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

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    startSysInfo_();
}

void frmAbout::build() {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(formFont());
    setFixedSize(toPixels(kAboutWidthTwips), toPixels(kAboutHeightTwips));

    std::vector<std::pair<int, QWidget*>> byTab;
    for (const AboutControl& row : kAboutControls) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case AboutKind::CommandButton:
            widget = new QPushButton(toQString(row.text), this);
            break;
        case AboutKind::Picture: {
            auto* picture = new QLabel(this);
            picture->setPixmap(
                QApplication::windowIcon().pixmap(toPixels(row.width), toPixels(row.height)));
            // The picture takes the focus, and Enter on it presses OK.
            picture->setFocusPolicy(Qt::StrongFocus);
            picture->setAccessibleName(mainCaption_ + QStringLiteral(" icon"));
            picture->installEventFilter(this);
            widget = picture;
            break;
        }
        case AboutKind::Label: {
            auto* label = new QLabel(toQString(row.text), this);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // The labels label the window, whose description they make
            // together: so Orca reads that description whole, not only the
            // one label it deems long enough.
            label->setBuddy(this);
            widget = label;
            break;
        }
        }
        if (row.black) {
            QPalette black = widget->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            widget->setPalette(black);
        }
        widget->setObjectName(toQString(row.name));
        widget->setGeometry(toPixels(row.left), toPixels(row.top), toPixels(row.width),
                            toPixels(row.height));
        if (widget->focusPolicy() & Qt::TabFocus)
            byTab.emplace_back(row.tab, widget);
    }
    // Tab visits the controls that take the focus in the order of their tab positions.
    std::sort(byTab.begin(), byTab.end());
    for (std::size_t i = 1; i < byTab.size(); ++i)
        QWidget::setTabOrder(byTab[i - 1].second, byTab[i].second);

    auto* ok = child<QPushButton>(this, "cmdOK");
    ok->setDefault(true); // Enter, unless another button has the focus
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(child<QPushButton>(this, "cmdSysInfo"), &QPushButton::clicked, this,
            &frmAbout::cmdSysInfo_Click);
}

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every opening starts at OK, wherever the focus was when it closed.
    child<QPushButton>(this, "cmdOK")->setFocus();
    keepOffTaskBar();
}

// Set just before the window is shown. Qt may meanwhile have made the active
// window its owner; that would tie it to the main window.
void frmAbout::keepOffTaskBar() {
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
void frmAbout::placeOnScreen() {
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

void frmAbout::paintEvent(QPaintEvent* event) {
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

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update(); // the picture's focus mark
    return QDialog::eventFilter(watched, event);
}

} // namespace orbel
