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
    form1.show();
    return QApplication::exec();
}
