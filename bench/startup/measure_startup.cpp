// Starts a program and measures, on the X server, the time from just before
// its process starts to its first top-level window being mapped and exposed,
// then closes it and reports its peak resident memory.
// Usage: measure_startup PROGRAM    prints "<milliseconds> <peak KiB>"
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    // Every new top-level window is a child of the root: hear of its creation,
    // then of its mapping and exposure.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }

    std::set<Window> mapped;
    double exposedAt = -1;
    while (exposedAt < 0) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case CreateNotify:
            if (event.xcreatewindow.parent == root && !event.xcreatewindow.override_redirect)
                XSelectInput(display, event.xcreatewindow.window,
                             StructureNotifyMask | ExposureMask);
            break;
        case MapNotify:
            if (event.xmap.event == root)
                mapped.insert(event.xmap.window);
            break;
        case Expose:
            if (mapped.count(event.xexpose.window))
                exposedAt = nowMs();
            break;
        default:
            break;
        }
    }

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%.3f %ld\n", exposedAt - start, usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
