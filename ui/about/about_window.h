#pragma once

#include <QDialog>
#include <QWindow>

#include <functional>

namespace orbel {

class Boxes;

// The About window: the program's icon, title, version, a description and
// the author's credit, and a way out to the system-information tool. One
// object for the run; closing it unloads it, showing it loads it again.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // `mainCaption` is the main window's caption; `startSysInfo` starts the
    // system-information tool, true when it did.
    AboutWindow(QString mainCaption, Boxes& boxes, std::function<bool()> startSysInfo);
    ~AboutWindow() override;

    // Loads the window if it is not loaded, shows it modeless, and brings it
    // to the front.
    void showModeless();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the texts that name the program, at every load.
    void load();
    // Starts the system-information tool, or says over this window that
    // there is none.
    void startSysInfo();

    void build();
    void placeOnScreen();
    void keepOffTaskBar();

    QString mainCaption_;
    Boxes& boxes_;
    std::function<bool()> startSysInfo_;
#ifdef _WIN32
    // Windows gives every shown window that no other window owns a task-bar
    // button, and closes an owned one with its owner. This owner is never
    // shown and lives as long as the About window, which so outlives the main
    // window without a button of its own.
    QWindow taskBarOwner_;
#endif
};

} // namespace orbel
