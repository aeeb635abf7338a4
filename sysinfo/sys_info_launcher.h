#pragma once

namespace orbel {

class ProgramStarter;
class ToolSearch;

// What System Info does: asks this system which system-information tool it
// has and starts it. It keeps nothing between presses.
class SysInfoLauncher {
public:
    SysInfoLauncher(ToolSearch& search, ProgramStarter& starter)
        : search_(search)
        , starter_(starter) {}

    // True when the tool was started; false when there is none or it would
    // not start, which the caller reports as unavailable.
    bool start();

private:
    ToolSearch& search_;
    ProgramStarter& starter_;
};

} // namespace orbel
