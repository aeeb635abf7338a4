// Starts the program and the floor program in turn on the X display, RUNS
// times each, and prints the medians of their start-up times and peak memory
// and the ratios program/floor. Exit status 0 when both ratios are within
// their targets, 1 when not, 2 when a run could not be measured.
// Usage: measure_startup RUNS PROGRAM FLOOR [RUNS_FILE]
// RUNS_FILE, when given, receives one line per run: "<name> <ms> <peak KiB>".
#include "bench/startup/exposure_watch.h"
#include "bench/startup/startup_summary.h"

#include <X11/Xlib.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using orbel::ExposureWatch;
using orbel::StartupRun;
using orbel::WatchStep;

// A program that shows nothing in this long has failed, not started slowly.
constexpr int kGiveUpMilliseconds = 30000;
// A selection that arrives after the map loses that run; it is run again.
constexpr int kAttemptsPerRun = 3;

double nowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A window can be gone before our request about it reaches the server; that
// is no reason to end, as Xlib's default handler would.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

WatchStep follow(ExposureWatch& watch, Display* display, const XEvent& event) {
    const Window root = DefaultRootWindow(display);
    switch (event.type) {
    case CreateNotify: {
        const XCreateWindowEvent& created = event.xcreatewindow;
        const WatchStep step = watch.created(static_cast<std::uint32_t>(created.window),
                                             created.parent == root, created.override_redirect);
        if (step == WatchStep::SelectOnWindow) {
            XSelectInput(display, created.window, StructureNotifyMask | ExposureMask);
            XFlush(display);
        }
        return step;
    }
    case MapNotify:
        if (event.xmap.event == root)
            return watch.mappedOnRoot(static_cast<std::uint32_t>(event.xmap.window));
        if (event.xmap.event == event.xmap.window)
            return watch.mappedOnWindow(static_cast<std::uint32_t>(event.xmap.window));
        return WatchStep::Nothing;
    case Expose:
        return watch.exposed(static_cast<std::uint32_t>(event.xexpose.window));
    default:
        return WatchStep::Nothing;
    }
}

struct Child {
    pid_t pid = -1;
    int pidfd = -1;
};

Child start(const std::string& program) {
    Child child;
    child.pid = fork();
    if (child.pid < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (child.pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Readable once the child has ended, so a program that dies before its
    // window shows ends the wait at once.
    child.pidfd = static_cast<int>(syscall(SYS_pidfd_open, child.pid, 0));
    if (child.pidfd < 0)
        throw std::runtime_error(std::string("pidfd_open: ") + std::strerror(errno));
    return child;
}

long endAndReap(const Child& child) {
    kill(child.pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child.pid, &status, 0, &usage);
    close(child.pidfd);
    return usage.ru_maxrss;
}

// One start: the clock is read just before the fork and again when the
// Expose of the mapped window is taken off the connection.
std::optional<StartupRun> measureOnce(Display* display, const std::string& program) {
    // Whatever the last run's windows still reported is of no interest.
    XSync(display, True);
    ExposureWatch watch;
    const double started = nowMilliseconds();
    const Child child = start(program);
    const int connection = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const WatchStep step = follow(watch, display, event);
            if (step == WatchStep::Exposed) {
                const double exposed = nowMilliseconds();
                return StartupRun{exposed - started, endAndReap(child)};
            }
            if (step == WatchStep::Missed) {
                endAndReap(child);
                return std::nullopt;
            }
        }
        pollfd waits[] = {{connection, POLLIN, 0}, {child.pidfd, POLLIN, 0}};
        const int ready = poll(waits, 2, kGiveUpMilliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || (waits[1].revents & POLLIN) != 0) {
            const bool ended = ready > 0;
            endAndReap(child);
            throw std::runtime_error(program + (ended ? " ended before its window was exposed"
                                                      : " showed no window in 30 s"));
        }
    }
}

StartupRun measure(Display* display, const std::string& program) {
    for (int attempt = 0; attempt < kAttemptsPerRun; ++attempt) {
        if (const auto run = measureOnce(display, program))
            return *run;
        std::fprintf(stderr, "measure_startup: %s mapped its window before we listened; again\n",
                     program.c_str());
    }
    throw std::runtime_error(program + ": its window was mapped before we could listen, " +
                             std::to_string(kAttemptsPerRun) + " times");
}

std::optional<int> parseRuns(std::string_view text) {
    int runs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), runs);
    if (error != std::errc() || end != text.data() + text.size() || runs < 1)
        return std::nullopt;
    return runs;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<int> runs = argc >= 4 ? parseRuns(argv[1]) : std::nullopt;
    if (argc < 4 || argc > 5 || !runs) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM FLOOR [RUNS_FILE]\n", argv[0]);
        return 2;
    }
    const std::string program = argv[2];
    const std::string floor = argv[3];
    FILE* runsFile = argc == 5 ? std::fopen(argv[4], "w") : nullptr;
    if (argc == 5 && !runsFile) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreXError);
    // Every new top-level window is a child of the root: hear of its creation
    // and mapping there, before any program starts.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    try {
        // One start of each first, so neither pays for a cold file cache.
        measure(display, program);
        measure(display, floor);
        std::vector<StartupRun> programRuns;
        std::vector<StartupRun> floorRuns;
        for (int i = 0; i < *runs; ++i) {
            programRuns.push_back(measure(display, program));
            floorRuns.push_back(measure(display, floor));
            if (runsFile) {
                std::fprintf(runsFile, "program %.3f %ld\nfloor %.3f %ld\n",
                             programRuns.back().milliseconds, programRuns.back().peakKiB,
                             floorRuns.back().milliseconds, floorRuns.back().peakKiB);
            }
        }
        if (runsFile)
            std::fclose(runsFile);
        XCloseDisplay(display);
        const orbel::StartupComparison comparison = orbel::compare(programRuns, floorRuns);
        std::fputs(orbel::report(comparison, *runs).c_str(), stdout);
        return comparison.withinTargets() ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "measure_startup: %s\n", failure.what());
        return 2;
    }
}
