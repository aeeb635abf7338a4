// The system's program starter: posix_spawn on Linux, CreateProcess on Windows.
#include "program_starter.h"

#include "runtime/run_time_error.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
extern char** environ;
#endif

namespace orbel {

#ifdef _WIN32

void SystemProgramStarter::start(const std::string& path) {
    if (path.empty())
        throw RunTimeError(ErrorCode::FileNotFound);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // The path is the application name, so it is never parsed as a command
    // line; the command line is only the quoted path, the program's argv[0].
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        throw RunTimeError(ErrorCode::FileNotFound);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

#else

void SystemProgramStarter::start(const std::string& path) {
    if (path.empty())
        throw RunTimeError(ErrorCode::FileNotFound);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    // posix_spawn, not a shell: the path is one file name, whatever it holds.
    // glibc reports a failed exec as the call's own error.
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0)
        throw RunTimeError(ErrorCode::FileNotFound);
    // The program lives on by itself; a thread of its own collects its exit
    // status so it leaves no zombie, and nobody waits for it.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
}

#endif

} // namespace orbel
