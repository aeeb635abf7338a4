// The program's start: its command line, its icon and metadata, System Info
// wired for this system, and the main window shown.
#include "sysinfo/program_starter.h"
#ifdef _WIN32
#include "sysinfo/registry_tool_search.h"
#include "sysinfo/windows_registry.h"
#else
#include "sysinfo/path_tool_search.h"
#endif
#include "sysinfo/sys_info_launcher.h"
#include "ui/dialog_boxes.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Qt's own rule for its --help and --version text: a Windows program that has
// no console and no redirected output shows it in a box.
void reportRefusal(const QString& error) {
    const QString name = QCoreApplication::applicationName();
#ifdef _WIN32
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (GetConsoleWindow() == nullptr && (startup.dwFlags & STARTF_USESTDHANDLES) == 0) {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(error.utf16()),
                    reinterpret_cast<const wchar_t*>(name.utf16()),
                    MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
        return;
    }
#endif
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(name), qUtf8Printable(error));
}

// The program takes no command line. --help and --version answer as a desktop
// program's do and end it; any other option is refused. Anything that is not
// an option is ignored, so a file dropped on the program's icon still just
// starts it. Qt has already taken out its own options (-style, -platform, ...).
bool acceptCommandLine() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Chooses the lens for a camera: type two of object width, object distance "
                       "and focal length, and it fills in the third. It takes no arguments."));
    // A word like -xyz is one option, as Qt's own -style and -platform are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        reportRefusal(parser.errorText());
        return false;
    }
    parser.process(QCoreApplication::arguments()); // --help, --help-all, --version
    return true;
}

#ifdef _WIN32
// Qt centres a new window it was given no place for; Windows has its own
// default place for a new window (where the program was started with, or its
// cascade), which a window created for the purpose tells.
void placeAsWindowsWould(QWidget& window) {
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

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ORBEL_VERSION));
    QApplication::setOrganizationName(QStringLiteral(ORBEL_ORGANISATION));
    // Docks and task bars pair the window with its desktop entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(ORBEL_APP_ID));
    if (!acceptCommandLine())
        return 2;
    // Both windows and the About window's picture take the program's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbel-lens-calculator.png")));

#ifdef _WIN32
    orbel::WindowsRegistry registry;
    orbel::RegistryToolSearch search(registry);
#else
    orbel::PathToolSearch search;
#endif
    orbel::SystemProgramStarter starter;
    orbel::SysInfoLauncher launcher(search, starter);
    orbel::DialogBoxes boxes;

    orbel::MainWindow window(boxes, [&launcher] { return launcher.start(); });
    // Qt would append a display name to every window title; the boxes name
    // the program themselves.
    boxes.setProgramTitle(window.windowTitle());
    // On X11 Qt gives a window it was given no place for no position hint,
    // and the window manager places it.
#ifdef _WIN32
    placeAsWindowsWould(window);
#endif
    window.show();
    return QApplication::exec();
}
