#pragma once

// Windows only: the result spoken through UI Automation, which Windows
// screen readers listen to. Qt 6.4 hands them a notification only as a name
// change, which they leave unsaid.

#ifdef _WIN32
#include <windows.h>

#include <oleauto.h>

// This MinGW's UI Automation header does not compile as C++; a provider is
// only handed on here.
struct IRawElementProviderSimple;
class QString;
class QWidget;

namespace orbel {

// Raises `line` as the notification of a finished action, the most recent
// of its kind replacing any still waiting, from the provider of `window`'s
// handle. Nothing where Windows has no such call (before Windows 10 1709,
// Wine) or when `line` is empty.
void raiseNotification(QWidget* window, const QString& line);

// The two calls of uiautomationcore.dll it takes, looked up when first
// needed; either is null where Windows lacks it.
struct NotificationCalls {
    // NotificationKind and NotificationProcessing: two enums this MinGW does
    // not declare, passed as ints.
    static constexpr int kActionCompleted = 2;
    static constexpr int kMostRecent = 3;

    HRESULT(WINAPI* hostProvider)(HWND window, IRawElementProviderSimple** provider) = nullptr;
    using Raise = HRESULT(WINAPI*)(IRawElementProviderSimple* provider, int kind, int processing,
                                   BSTR text, BSTR activity);
    Raise raise = nullptr;
};

// The calls in use. Only a test puts others in their place.
NotificationCalls& notificationCalls();

} // namespace orbel

#endif
