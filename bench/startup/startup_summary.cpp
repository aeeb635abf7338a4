#include "bench/startup/startup_summary.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace orbel {

double median(std::vector<double> values) {
    if (values.empty())
        throw std::invalid_argument("median of no values");
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    const double upper = *middle;
    const double lower = *std::max_element(values.begin(), middle);
    return (lower + upper) / 2;
}

StartupFigures figuresOf(const std::vector<StartupRun>& runs) {
    std::vector<double> times;
    std::vector<double> peaks;
    for (const StartupRun& run : runs) {
        times.push_back(run.milliseconds);
        peaks.push_back(static_cast<double>(run.peakKiB));
    }
    StartupFigures figures;
    figures.medianMilliseconds = median(times);
    figures.fastestMilliseconds = *std::min_element(times.begin(), times.end());
    figures.slowestMilliseconds = *std::max_element(times.begin(), times.end());
    figures.medianPeakKiB = median(peaks);
    return figures;
}

double StartupComparison::startupRatio() const {
    return program.medianMilliseconds / floor.medianMilliseconds;
}

double StartupComparison::memoryRatio() const {
    return program.medianPeakKiB / floor.medianPeakKiB;
}

bool StartupComparison::withinTargets() const {
    return startupRatio() <= kStartupRatioTarget && memoryRatio() <= kMemoryRatioTarget;
}

StartupComparison compare(const std::vector<StartupRun>& program,
                          const std::vector<StartupRun>& floor) {
    return {figuresOf(program), figuresOf(floor)};
}

namespace {

template <typename... Args> std::string line(const char* format, Args... args) {
    std::array<char, 256> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, args...);
    return buffer.data();
}

const char* verdict(double ratio, double target) {
    return ratio <= target ? "within" : "ABOVE";
}

} // namespace

std::string report(const StartupComparison& comparison, int runs) {
    const StartupFigures& p = comparison.program;
    const StartupFigures& f = comparison.floor;
    std::string text = line("runs: %d of each, alternating, medians\n", runs);
    text += line("start-up to window exposed: program %.1f ms (%.1f to %.1f), "
                 "floor %.1f ms (%.1f to %.1f)\n",
                 p.medianMilliseconds, p.fastestMilliseconds, p.slowestMilliseconds,
                 f.medianMilliseconds, f.fastestMilliseconds, f.slowestMilliseconds);
    text += line("peak resident memory:       program %.1f MiB, floor %.1f MiB\n",
                 p.medianPeakKiB / 1024, f.medianPeakKiB / 1024);
    text +=
        line("ratio start-up program/floor %.3f, %s the target %.2f\n", comparison.startupRatio(),
             verdict(comparison.startupRatio(), kStartupRatioTarget), kStartupRatioTarget);
    text +=
        line("ratio memory   program/floor %.3f, %s the target %.2f\n", comparison.memoryRatio(),
             verdict(comparison.memoryRatio(), kMemoryRatioTarget), kMemoryRatioTarget);
    return text;
}

} // namespace orbel
