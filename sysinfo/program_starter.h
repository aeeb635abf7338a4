#pragma once

#include <string>

namespace orbel {

// Starts a program by its path, with no arguments and never through a shell,
// so quotes, semicolons or blanks in the path cannot run anything else. It
// does not wait for the program. A start that fails raises File not found.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual void start(const std::string& path) = 0;
};

// The operating system's own: posix_spawn on Linux, CreateProcess on Windows,
// in a normal window that takes the focus.
class SystemProgramStarter : public ProgramStarter {
public:
    void start(const std::string& path) override;
};

} // namespace orbel
