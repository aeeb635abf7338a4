// orbel-lens filling a table streamed through a pipe, 1,000,000 and
// 10,000,000 rows: rows per second and the child's peak memory, beside the
// core's own Calculate rate over the same rows. Fails when a run fails.
#include "calc/lens_solver.h"
#include "calc/sensor_catalogue.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Row {
    std::size_t camera;
    const char* units;
    std::string distance;
    std::string focal;
};

// A thousand different rows in every unit system, repeated.
std::vector<Row> rows() {
    const char* units[] = {"meters", "feet", "inches"};
    std::vector<Row> made;
    for (std::size_t i = 0; i < 1000; ++i)
        made.push_back({1 + i % 15, units[i % 3], std::to_string(i % 97 + 1) + ".5",
                        std::to_string(i % 53 + 4)});
    return made;
}

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The machine is shared: rates are per second of the process's own CPU time.
double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double coreRate(const std::vector<Row>& block, long count) {
    std::vector<std::string> sensors;
    for (const orbel::Preset& preset : orbel::presets())
        sensors.push_back(orbel::sensorText(preset));
    const double start = cpuSeconds();
    std::size_t written = 0;
    for (long i = 0; i < count; ++i) {
        const Row& row = block[static_cast<std::size_t>(i) % block.size()];
        orbel::LensFields fields;
        fields.units = row.units[0] == 'm'   ? orbel::Units::Meters
                       : row.units[0] == 'i' ? orbel::Units::Inches
                                             : orbel::Units::Feet;
        fields.distance = row.distance;
        fields.focalLength = row.focal;
        fields.sensorWidth = sensors[row.camera - 1];
        written += orbel::calculate(fields).written.contains(orbel::Field::Width) ? 1 : 0;
    }
    const double rate = static_cast<double>(count) / (cpuSeconds() - start);
    return written == static_cast<std::size_t>(count) ? rate : 0.0;
}

// Runs orbel-lens --csv - on `count` rows through a pipe, output to
// /dev/null; false when it fails.
bool runProgram(const std::string& block, long count, double rate) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[0], 0);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(pipeEnds[1]);
        execl(ORBEL_LENS, ORBEL_LENS, "--csv", "-", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[0]);
    const std::string header = "camera,units,width,distance,focal\n";
    bool written = write(pipeEnds[1], header.data(), header.size()) > 0;
    for (long sent = 0; written && sent < count; sent += 1000)
        written =
            write(pipeEnds[1], block.data(), block.size()) == static_cast<ssize_t>(block.size());
    close(pipeEnds[1]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double wall = seconds(start);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    const double rows = static_cast<double>(count);
    std::printf("orbel-lens --csv -  %8ld rows: %6.2f s, %5.2f M rows/s (%5.2f M rows per CPU "
                "second), peak %.1f MiB; core/program %.2f\n",
                count, wall, rows / wall / 1e6, rows / cpu / 1e6,
                static_cast<double>(usage.ru_maxrss) / 1024.0, rate / (rows / cpu));
    return written && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main() {
    const std::vector<Row> block = rows();
    std::string text;
    for (const Row& row : block)
        text += std::to_string(row.camera) + "," + row.units + ",," + row.distance + "," +
                row.focal + "\n";
    const double rate = coreRate(block, 1000000);
    std::printf("core Calculate (texts into the record, Calculate) %5.2f M rows per CPU second\n",
                rate / 1e6);
    bool ok = rate > 0;
    for (const long count : {1000000L, 10000000L})
        ok = runProgram(text, count, rate) && ok;
    if (!ok)
        std::printf("a run failed\n");
    return ok ? 0 : 1;
}
