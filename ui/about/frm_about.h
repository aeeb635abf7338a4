#pragma once

#include <QDialog>
#include <QWindow>

#include <functional>

namespace orbel {

// The About window: the program's icon, title, version, a description and
// the author's credit, and a way out to the system-information tool. One
// object for the run; closing it unloads it, showing it loads it again.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // `mainCaption` is the main window's caption; `startSysInfo` starts the
    // system-information tool or says it is unavailable.
    frmAbout(QString mainCaption, std::function<void()> startSysInfo);
    ~frmAbout() override;

    // Loads the window if it is not loaded, shows it modeless, and brings it
    // to the front.
    void showModeless();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    void build();
    void placeOnScreen();
    void keepOffTaskBar();

    QString mainCaption_;
    std::function<void()> startSysInfo_;
#ifdef _WIN32
    // Windows gives every shown window that no other window owns a task-bar
    // button, and closes an owned one with its owner. This owner is never
    // shown and lives as long as the About window, which so outlives the main
    // window without a button of its own.
    QWindow taskBarOwner_;
#endif
};

} // namespace orbel
