// orbel-path-entry: puts a folder on the machine's PATH, or takes it off
// again, for the setup program and the uninstaller, which carry it and run it
// from their temporary folder. The PATH is read and written whole, however
// long (the setup's own strings stop at 1,024 characters), keeping the type of
// its value; every window is then told the environment has changed, so a
// terminal opened afterwards finds the programs in the folder.
//   orbel-path-entry add|remove <folder>
// Exit status: 0 changed, 1 nothing to change (already on it, or not on it),
// 2 not changed (a wrong command line, or the value could not be read or
// written).
#include "path_list.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

namespace {

constexpr const wchar_t* kEnvironment =
    L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

int change(HKEY key, const std::wstring& command, const std::wstring& folder) {
    DWORD type = REG_EXPAND_SZ;
    DWORD size = 0;
    std::wstring list;
    LONG status = RegQueryValueExW(key, L"Path", nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        if ((type != REG_SZ && type != REG_EXPAND_SZ) || size % sizeof(wchar_t) != 0)
            return 2;
        list.resize(size / sizeof(wchar_t));
        status = RegQueryValueExW(key, L"Path", nullptr, &type,
                                  reinterpret_cast<BYTE*>(list.data()), &size);
        if (status != ERROR_SUCCESS || size != list.size() * sizeof(wchar_t))
            return 2;
    } else if (status != ERROR_FILE_NOT_FOUND)
        return 2;
    // Written back as it was read: with its closing NUL only if it had one.
    const bool closed = !list.empty() && list.back() == L'\0';
    if (closed)
        list.pop_back();
    std::optional<std::wstring> changed =
        command == L"add" ? orbel::withFolder(list, folder) : orbel::withoutFolder(list, folder);
    if (!changed)
        return 1;
    if (closed || status == ERROR_FILE_NOT_FOUND)
        changed->push_back(L'\0');
    if (RegSetValueExW(key, L"Path", 0, type, reinterpret_cast<const BYTE*>(changed->data()),
                       static_cast<DWORD>(changed->size() * sizeof(wchar_t))) != ERROR_SUCCESS)
        return 2;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"Environment"), SMTO_ABORTIFHUNG, 5000, nullptr);
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr)
        return 2;
    const std::wstring command = argc == 3 ? argv[1] : L"", folder = argc == 3 ? argv[2] : L"";
    LocalFree(argv);
    if (folder.empty() || (command != L"add" && command != L"remove"))
        return 2;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEnvironment, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return 2;
    const int status = change(key, command, folder);
    RegCloseKey(key);
    return status;
}
