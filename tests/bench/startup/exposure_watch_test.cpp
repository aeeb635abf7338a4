#include "bench/startup/exposure_watch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orbel {
namespace {

// One event as the X server reports it to the measuring tool.
struct Heard {
    enum Kind { Create, CreateChild, CreateOverride, OwnMap, RootMap, Expose } kind;
    std::uint32_t window;
};

struct Case {
    const char* name;
    std::vector<Heard> events;
    std::vector<std::uint32_t> expectedSelected;
    WatchStep expectedEnd;  // Exposed, Missed, or Nothing when the events run out
    std::size_t expectedAt; // index of the event that ends the watch
};

WatchStep feed(ExposureWatch& watch, const Heard& heard) {
    switch (heard.kind) {
    case Heard::Create:
        return watch.created(heard.window, true, false);
    case Heard::CreateChild:
        return watch.created(heard.window, false, false);
    case Heard::CreateOverride:
        return watch.created(heard.window, true, true);
    case Heard::OwnMap:
        return watch.mappedOnWindow(heard.window);
    case Heard::RootMap:
        return watch.mappedOnRoot(heard.window);
    case Heard::Expose:
        return watch.exposed(heard.window);
    }
    return WatchStep::Nothing;
}

constexpr std::uint32_t kMain = 0x400007;
constexpr std::uint32_t kLeader = 0x400001;
constexpr std::uint32_t kTooltip = 0x400010;
constexpr std::uint32_t kOther = 0x400020;

// clang-format off
const Case kCases[] = {
    {"the window's first Expose after its map ends the watch",
     {{Heard::Create, kMain}, {Heard::OwnMap, kMain}, {Heard::RootMap, kMain},
      {Heard::Expose, kMain}, {Heard::Expose, kMain}},
     {kMain}, WatchStep::Exposed, 3},
    {"the hidden client leader is listened to but never counts",
     {{Heard::Create, kLeader}, {Heard::Create, kMain}, {Heard::OwnMap, kMain},
      {Heard::RootMap, kMain}, {Heard::Expose, kMain}},
     {kLeader, kMain}, WatchStep::Exposed, 4},
    {"an override-redirect window is not the program's window",
     {{Heard::CreateOverride, kTooltip}, {Heard::RootMap, kTooltip}, {Heard::Expose, kTooltip},
      {Heard::Create, kMain}, {Heard::OwnMap, kMain}, {Heard::RootMap, kMain},
      {Heard::Expose, kMain}},
     {kMain}, WatchStep::Exposed, 6},
    {"a window inside another is not a top-level window",
     {{Heard::CreateChild, kOther}, {Heard::Create, kMain}, {Heard::OwnMap, kMain},
      {Heard::RootMap, kMain}, {Heard::Expose, kOther}, {Heard::Expose, kMain}},
     {kMain}, WatchStep::Exposed, 5},
    {"an Expose before the map does not stop the clock",
     {{Heard::Create, kMain}, {Heard::Expose, kMain}, {Heard::OwnMap, kMain},
      {Heard::RootMap, kMain}, {Heard::Expose, kMain}},
     {kMain}, WatchStep::Exposed, 4},
    {"only the first top-level window mapped counts",
     {{Heard::Create, kMain}, {Heard::Create, kOther}, {Heard::OwnMap, kMain},
      {Heard::RootMap, kMain}, {Heard::OwnMap, kOther}, {Heard::RootMap, kOther},
      {Heard::Expose, kOther}, {Heard::Expose, kMain}},
     {kMain, kOther}, WatchStep::Exposed, 7},
    {"a map heard only on the root means our selection came too late",
     {{Heard::Create, kMain}, {Heard::RootMap, kMain}, {Heard::OwnMap, kMain},
      {Heard::Expose, kMain}},
     {kMain}, WatchStep::Missed, 1},
    {"a map of a window never created under our eyes is ignored",
     {{Heard::RootMap, kOther}, {Heard::Expose, kOther}},
     {}, WatchStep::Nothing, 2},
    {"a mapped window never exposed leaves the watch waiting",
     {{Heard::Create, kMain}, {Heard::OwnMap, kMain}, {Heard::RootMap, kMain}},
     {kMain}, WatchStep::Nothing, 3},
};
// clang-format on

TEST(ExposureWatch, FollowsTheServersEvents) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ExposureWatch watch;
        std::vector<std::uint32_t> selected;
        WatchStep end = WatchStep::Nothing;
        std::size_t at = 0;
        for (; at < c.events.size(); ++at) {
            const WatchStep step = feed(watch, c.events[at]);
            if (step == WatchStep::SelectOnWindow)
                selected.push_back(c.events[at].window);
            if (step == WatchStep::Exposed || step == WatchStep::Missed) {
                end = step;
                break;
            }
        }
        EXPECT_EQ(selected, c.expectedSelected);
        EXPECT_EQ(end, c.expectedEnd);
        EXPECT_EQ(at, c.expectedAt);
    }
}

} // namespace
} // namespace orbel
