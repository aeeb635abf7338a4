// uninstall.exe, the uninstaller as Settings and a deployment tool start it:
// it runs the setup's own uninstaller (uninstall.dat beside it) from a copy in
// the temporary folder, waits for it, and ends with its exit status. Started
// the usual way, that one copies itself away and ends at once with 0, whatever
// the copy then does; started in its folder, it could not remove its own file.
// Once it has removed everything else, this file and the folder go too:
// Windows lets a running program's file move on its drive, so it moves into
// the temporary folder and is deleted there at the next restart. Where that is
// another drive, the file and the folder wait for the restart: exit status
// 3010, the one Windows gives for "done, restart to finish".
#include <windows.h>

#include <string>

namespace {

// Where this program's file is, or nothing.
std::wstring ownPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return path.resize(length), path;
        path.resize(path.size() * 2);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring self = ownPath();
    const std::size_t slash = self.rfind(L'\\');
    wchar_t temp[MAX_PATH + 1] = {};
    if (slash == std::wstring::npos || GetTempPathW(MAX_PATH + 1, temp) == 0)
        return 2;
    const std::wstring folder = self.substr(0, slash),
                       name = std::wstring(temp) + L"orbel-uninstall-" +
                              std::to_wstring(GetCurrentProcessId()),
                       copy = name + L".exe", aside = name + L"-done.exe";
    if (!CopyFileW((folder + L"\\uninstall.dat").c_str(), copy.c_str(), FALSE))
        return 2;
    // The arguments given (/S), then the folder it works on, which ends the
    // line unquoted; one given already is replaced.
    std::wstring given = arguments;
    given = given.substr(0, given.find(L"_?="));
    std::wstring line = L"\"" + copy + L"\" " + given + L" _?=" + folder;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD status = 2;
    if (CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    DeleteFileW(copy.c_str());
    if (status != 0)
        return static_cast<int>(status);
    if (!MoveFileExW(self.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        MoveFileExW(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        MoveFileExW(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return ERROR_SUCCESS_REBOOT_REQUIRED;
    }
    MoveFileExW(aside.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    RemoveDirectoryW(folder.c_str());
    // The maker's folder too, when nothing else of it is left.
    const std::wstring maker = folder.substr(0, folder.rfind(L'\\'));
    if (maker.ends_with(L"\\" ORBEL_ORGANISATION))
        RemoveDirectoryW(maker.c_str());
    return 0;
}
