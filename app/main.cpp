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
#include "version/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QRegularExpression>

#include <array>
#include <cstdio>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The name the program is started by, in its answers on the command line.
constexpr const char* kCommandName = "orbel-lens-calculator";

// Qt's own options, which QApplication takes out of the command line as it
// starts (for every platform, the X11 ones included); those followed by a
// value, then the bare ones.
constexpr std::array kQtValueOptions{"platform",
                                     "platformpluginpath",
                                     "platformtheme",
                                     "plugin",
                                     "qwindowgeometry",
                                     "geometry",
                                     "qwindowtitle",
                                     "title",
                                     "qwindowicon",
                                     "icon",
                                     "session",
                                     "style",
                                     "stylesheet",
                                     "display",
                                     "name",
                                     "visual",
                                     "graphicssystem",
                                     "qmljsdebugger"};
constexpr std::array kQtFlags{"reverse", "testability", "widgetcount", "sync",
                              "nograb",  "dograb",      "qdevel",      "qdebug"};

#ifdef _WIN32
// A box of the program's, titled with its name and marked with its icon in
// the title bar, as its windows are.
LRESULT CALLBACK markBox(int code, WPARAM window, LPARAM detail) {
    if (code == HCBT_ACTIVATE)
        for (auto [kind, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}}) {
            const int size = GetSystemMetrics(metric);
            const HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                           IMAGE_ICON, size, size, LR_SHARED);
            SendMessageW(reinterpret_cast<HWND>(window), WM_SETICON, kind,
                         reinterpret_cast<LPARAM>(icon));
        }
    return CallNextHookEx(nullptr, code, window, detail);
}
#endif

// Qt's rule for its --help and --version text: a Windows program that has no
// console and no redirected output shows it in a box; elsewhere it is printed.
bool inBox() {
#ifdef _WIN32
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return GetConsoleWindow() == nullptr && (startup.dwFlags & STARTF_USESTDHANDLES) == 0;
#else
    return false;
#endif
}

// The text in a box, or printed: an answer on standard output, a refusal on
// standard error.
void tell(const QString& text, bool refusal) {
#ifdef _WIN32
    if (inBox()) {
        const QString title = QString::fromUtf8(orbel::kProductName.data(),
                                                static_cast<qsizetype>(orbel::kProductName.size()));
        MSGBOXPARAMSW box{};
        box.cbSize = sizeof box;
        box.hInstance = GetModuleHandleW(nullptr);
        box.lpszText = reinterpret_cast<const wchar_t*>(text.utf16());
        box.lpszCaption = reinterpret_cast<const wchar_t*>(title.utf16());
        box.dwStyle = MB_OK | MB_TOPMOST | MB_SETFOREGROUND |
                      (refusal ? MB_ICONERROR : static_cast<DWORD>(MB_USERICON));
        box.lpszIcon = MAKEINTRESOURCEW(1);
        const HHOOK hook = SetWindowsHookExW(WH_CBT, markBox, nullptr, GetCurrentThreadId());
        MessageBoxIndirectW(&box);
        if (hook)
            UnhookWindowsHookEx(hook);
        return;
    }
#endif
    std::fputs(qUtf8Printable(text), refusal ? stderr : stdout);
}

// The program takes no command line. --help and --version answer as a desktop
// program's do and end it; any other option is refused. Anything that is not
// an option is ignored, so a file dropped on the program's icon still just
// starts it. All of it is answered before any window system is asked for, so
// it works over SSH and in scripts with no display; Qt's own options are
// known here only to be let through to Qt. The exit status, or nothing to
// start the program.
std::optional<int> answerCommandLine(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Chooses the lens for a camera: type two of object width, object distance "
                       "and focal length, and it fills in the third. It takes no arguments."));
    // A word like -xyz is one option, as Qt's own -style and -platform are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        // Qt names a refused option without the dashes it was typed with.
        QString error = parser.errorText();
        const QStringList unknown = parser.unknownOptionNames();
        QStringList typed;
        for (const QString& name : unknown)
            for (const QString& argument : arguments.mid(1))
                if (const QString option = argument.section(QLatin1Char('='), 0, 0);
                    option == QLatin1Char('-') + name || option == QStringLiteral("--") + name) {
                    typed << option;
                    break;
                }
        if (!unknown.isEmpty() && typed.size() == unknown.size())
            error =
                typed.size() == 1
                    ? QStringLiteral("Unknown option '%1'.").arg(typed.constFirst())
                    : QStringLiteral("Unknown options: %1.").arg(typed.join(QStringLiteral(", ")));
        tell(QString::fromLatin1(kCommandName) + QStringLiteral(": ") + error + QLatin1Char('\n'),
             true);
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Qt would name the program by the file it was started from, as here;
        // a box, which wraps its lines at its own width, by the file's name,
        // and each option's description under the option, so that neither a
        // path nor the table is broken across lines.
        const bool box = inBox();
        QString text = parser.helpText();
        const QString& program = arguments.constFirst();
        text.replace(
            0, text.indexOf(QLatin1Char('\n')),
            QStringLiteral("Usage: %1 [options]")
                .arg(box ? program.section(QRegularExpression(QStringLiteral("[\\\\/]")), -1)
                         : program));
        if (box)
            text.replace(QRegularExpression(QStringLiteral("^  (\\S.*?)  +(\\S)"),
                                            QRegularExpression::MultilineOption),
                         QStringLiteral("\\1\n      \\2"));
        if (parser.isSet(QStringLiteral("help-all"))) {
            text += QStringLiteral("\nQt's own options, as every Qt program takes them:\n");
            for (const char* name : kQtValueOptions)
                text += QStringLiteral("  -%1 <value>\n").arg(QLatin1String(name));
            for (const char* name : kQtFlags)
                text += QStringLiteral("  -%1\n").arg(QLatin1String(name));
        }
        tell(text, false);
    } else if (parser.isSet(version))
        tell(QString::fromLatin1(kCommandName) + QLatin1Char(' ') + QStringLiteral(ORBEL_VERSION) +
                 QLatin1Char('\n'),
             false);
    else
        return std::nullopt;
    return 0;
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
    // Named before the application exists, for the help text's usage line;
    // the name Qt would take from the program's file.
    QCoreApplication::setApplicationName(QString::fromLatin1(kCommandName));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBEL_VERSION));
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral(ORBEL_ORGANISATION));
    // Docks and task bars pair the window with its desktop entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(ORBEL_APP_ID));
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
