#pragma once

#include <cstdint>
#include <optional>
#include <set>

namespace orbel {

// What one event from the X server means for the start-up measurement.
enum class WatchStep {
    Nothing,
    SelectOnWindow, // a new top-level window: ask to hear its map and exposure
    Exposed,        // the program's window is mapped and exposed: stop the clock
    Missed,         // it was mapped before our selection took: its Expose never reaches us
};

// Follows the events of a bare X server (no window manager) from the moment
// a program is started, and tells when its first top-level window has been
// mapped and then exposed. Menus, tooltips and other override-redirect windows
// are not the program's window, nor is any window that is never mapped (the
// toolkit's hidden client-leader window).
class ExposureWatch {
public:
    // CreateNotify heard on the root.
    WatchStep created(std::uint32_t window, bool childOfRoot, bool overrideRedirect);
    // MapNotify heard on the window itself (our StructureNotify selection).
    WatchStep mappedOnWindow(std::uint32_t window);
    // MapNotify heard on the root (SubstructureNotify).
    WatchStep mappedOnRoot(std::uint32_t window);
    WatchStep exposed(std::uint32_t window);

private:
    std::set<std::uint32_t> selected_;
    std::set<std::uint32_t> heardOwnMap_;
    std::optional<std::uint32_t> mapped_;
};

} // namespace orbel
