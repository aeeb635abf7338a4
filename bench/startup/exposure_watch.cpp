#include "bench/startup/exposure_watch.h"

namespace orbel {

WatchStep ExposureWatch::created(std::uint32_t window, bool childOfRoot, bool overrideRedirect) {
    if (!childOfRoot || overrideRedirect)
        return WatchStep::Nothing;
    selected_.insert(window);
    return WatchStep::SelectOnWindow;
}

WatchStep ExposureWatch::mappedOnWindow(std::uint32_t window) {
    if (selected_.contains(window))
        heardOwnMap_.insert(window);
    return WatchStep::Nothing;
}

WatchStep ExposureWatch::mappedOnRoot(std::uint32_t window) {
    if (mapped_ || !selected_.contains(window))
        return WatchStep::Nothing;
    // The server sends a MapNotify to the window's own listeners before its
    // parent's, in the same request. Without the window's own copy first, our
    // selection arrived after the map, and so will not bring the Expose.
    if (!heardOwnMap_.contains(window))
        return WatchStep::Missed;
    mapped_ = window;
    return WatchStep::Nothing;
}

WatchStep ExposureWatch::exposed(std::uint32_t window) {
    return mapped_ == window ? WatchStep::Exposed : WatchStep::Nothing;
}

} // namespace orbel
