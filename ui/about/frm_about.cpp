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

namespace orbel {
namespace {

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

void frmAbout::showModeless() {
    if (!isVisible()) {
        Form_Load();
        placeOnScreen();
        show();
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
    setModal(false);
    setFont(formFont());
    setFixedSize(toPixels(kAboutWidthTwips), toPixels(kAboutHeightTwips));

    for (const AboutControl& row : kAboutControls) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case AboutKind::CommandButton:
            widget = new QPushButton(toQString(row.text), this);
            break;
        case AboutKind::Picture: {
            auto* picture = new QLabel(this);
            picture->setPixmap(QApplication::windowIcon().pixmap(32, 32));
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
            QPalette black = label->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            if (row.name != "lblVersion")
                label->setPalette(black);
            // The labels label the window, whose description they make
            // together: so Orca reads that description whole, not only the
            // one label it deems long enough.
            label->setBuddy(this);
            widget = label;
            break;
        }
        }
        widget->setObjectName(toQString(row.name));
        const int width = row.kind == AboutKind::Picture ? 32 : toPixels(row.width);
        const int height = row.kind == AboutKind::Picture ? 32 : toPixels(row.height);
        widget->setGeometry(toPixels(row.left), toPixels(row.top), width, height);
    }

    auto* ok = child<QPushButton>(this, "cmdOK");
    auto* sysInfo = child<QPushButton>(this, "cmdSysInfo");
    ok->setDefault(true); // Enter, unless another button has the focus
    QWidget::setTabOrder(ok, child<QLabel>(this, "picIcon"));
    QWidget::setTabOrder(child<QLabel>(this, "picIcon"), sysInfo);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    child<QPushButton>(this, "cmdOK")->setFocus();
    // Qt may give a dialog without an owner the active window as its
    // transient parent; that would tie it to the main window and let the
    // program end while it is open. It stands on its own.
    if (QWindow* handle = windowHandle())
        handle->setTransientParent(nullptr);
}

// At its written place, moved just enough to stay whole on a smaller screen.
void frmAbout::placeOnScreen() {
    QRect place(toPixels(kAboutLeftTwips), toPixels(kAboutTopTwips), width(), height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        place.moveLeft(
            std::clamp(place.left(), available.left(),
                       std::max(available.left(), available.right() + 1 - place.width())));
        place.moveTop(
            std::clamp(place.top(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - place.height())));
    }
    setGeometry(place);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const AboutLine& line : kAboutLines) {
        painter.setPen(QPen(QColor::fromRgb(line.rgb), line.width));
        // A wide pen is drawn inside the line's top edge, as the window draws it.
        const int y = toPixels(line.y1) + line.width / 2;
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
