// Windows only: a finished Calculate raised as a UI Automation notification,
// through calls looked up in uiautomationcore.dll where Windows has them.
#ifdef _WIN32 // the build compiles it for Windows alone
#include "windows_notification.h"

#include <QString>
#include <QWidget>

namespace orbel {
namespace {

template <typename Call> void lookUp(HMODULE dll, const char* name, Call& call) {
    // The usual cast of a looked-up address to the call it is known to be.
    call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

// A string Windows owns and frees, holding the line's UTF-16 whole.
struct SystemString {
    explicit SystemString(const QString& text)
        : value(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()),
                                  static_cast<UINT>(text.size()))) {}
    ~SystemString() { SysFreeString(value); }
    SystemString(const SystemString&) = delete;
    SystemString& operator=(const SystemString&) = delete;
    BSTR value;
};

} // namespace

NotificationCalls& notificationCalls() {
    static NotificationCalls calls = [] {
        NotificationCalls found;
        // From the system folder only: a DLL of that name beside the program
        // is never taken for it.
        if (HMODULE dll =
                LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
            lookUp(dll, "UiaHostProviderFromHwnd", found.hostProvider);
            lookUp(dll, "UiaRaiseNotificationEvent", found.raise);
        }
        return found;
    }();
    return calls;
}

void raiseNotification(QWidget* window, const QString& line) {
    const NotificationCalls& calls = notificationCalls();
    if (line.isEmpty() || !calls.hostProvider || !calls.raise)
        return;
    IRawElementProviderSimple* provider = nullptr;
    const auto handle = reinterpret_cast<HWND>(window->winId());
    if (FAILED(calls.hostProvider(handle, &provider)) || !provider)
        return;
    const SystemString text(line), activity(QStringLiteral("Calculate"));
    if (text.value && activity.value)
        calls.raise(provider, NotificationCalls::kActionCompleted, NotificationCalls::kMostRecent,
                    text.value, activity.value);
    // A provider is a COM object, whose interface begins with IUnknown's.
    reinterpret_cast<IUnknown*>(provider)->Release();
}

} // namespace orbel

#endif
