#pragma once

#include "registry.h"

#include <string>
#include <string_view>

namespace orbel {

class Boxes;
class ProgramStarter;

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Finds the system-information tool through the registry and starts it, or
// says that it is unavailable. It keeps nothing between clicks.
class SysInfoLauncher {
public:
    SysInfoLauncher(Registry& registry, ProgramStarter& starter, Boxes& boxes)
        : registry_(registry)
        , starter_(starter)
        , boxes_(boxes) {}

    // Never fails towards its caller: every failure ends in the one message.
    void StartSysInfo();

    // Reads one value as text. True when the key opened and the value was
    // read, whatever its type; false otherwise, with KeyVal empty. A value of
    // zero bytes is a run-time error that passes to the caller.
    bool GetKeyValue(Registry::Handle KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

private:
    Registry& registry_;
    ProgramStarter& starter_;
    Boxes& boxes_;
};

} // namespace orbel
