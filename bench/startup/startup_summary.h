#pragma once

#include <string>
#include <vector>

namespace orbel {

// One start of a program: from just before its process started to its
// window exposed, and the most resident memory it ever held.
struct StartupRun {
    double milliseconds = 0;
    long peakKiB = 0;
};

// The middle value, or the mean of the middle two for an even count. Noise on
// a shared machine only ever adds time, so the median, not the mean, stands
// for a program. Throws std::invalid_argument on no values.
double median(std::vector<double> values);

struct StartupFigures {
    double medianMilliseconds = 0;
    double fastestMilliseconds = 0;
    double slowestMilliseconds = 0;
    double medianPeakKiB = 0;
};

StartupFigures figuresOf(const std::vector<StartupRun>& runs);

// How far the program stands above the toolkit's floor.
inline constexpr double kStartupRatioTarget = 1.15;
inline constexpr double kMemoryRatioTarget = 1.10;

struct StartupComparison {
    StartupFigures program;
    StartupFigures floor;

    double startupRatio() const;
    double memoryRatio() const;
    // A ratio equal to its target holds.
    bool withinTargets() const;
};

StartupComparison compare(const std::vector<StartupRun>& program,
                          const std::vector<StartupRun>& floor);

// The lines `make bench-startup` prints.
std::string report(const StartupComparison& comparison, int runs);

} // namespace orbel
