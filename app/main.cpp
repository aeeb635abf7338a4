#include "runtime/program_starter.h"
#ifdef _WIN32
#include "sysinfo/windows_registry.h"
#else
#include "sysinfo/desktop_registry.h"
#endif
#include "sysinfo/sys_info_launcher.h"
#include "ui/dialog_boxes.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QIcon>

#ifdef _WIN32
#include <windows.h>

// Qt centres a new window it was given no place for; Windows has its own
// default place for a new window (where the program was started with, or its
// cascade), which a window created for the purpose tells.
static void placeAsWindowsWould(QWidget& window) {
    const HWND probe =
        CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!probe)
        return;
    RECT place{};
    const bool placed = GetWindowRect(probe, &place);
    DestroyWindow(probe);
    if (placed)
        SetWindowPos(reinterpret_cast<HWND>(window.winId()), nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ORBEL_VERSION));
    QApplication::setOrganizationName(QStringLiteral(ORBEL_ORGANISATION));
    // Both windows and the About window's picture take the program's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbel-lens-calculator.png")));

#ifdef _WIN32
    orbel::WindowsRegistry registry;
#else
    // No system registry here: the desktop's layer answers the launcher with
    // the system-information tool it finds along PATH when System Info is
    // pressed.
    orbel::DesktopRegistry registry;
#endif
    orbel::SystemProgramStarter starter;
    orbel::DialogBoxes boxes;
    orbel::SysInfoLauncher launcher(registry, starter, boxes);

    orbel::Form1 form1(boxes, [&launcher] { launcher.StartSysInfo(); });
    boxes.setParent(&form1);
    // Qt would append a display name to every window title; the boxes name
    // the program themselves.
    boxes.setProgramTitle(form1.windowTitle());
    // On X11 Qt gives a window it was given no place for no position hint,
    // and the window manager places it.
#ifdef _WIN32
    placeAsWindowsWould(form1);
#endif
    form1.show();
    return QApplication::exec();
}
