// orbel-lens filling a table streamed through a pipe as people write one: a
// random mix of all fifteen cameras, the three unit systems, width, distance
// and focal length solved in turn, numbers of 1 to 8 significant digits,
// about 5 % of rows failing, some custom resolutions and the user's own
// columns. A million and ten million rows: rows per second, per second of
// the program's own CPU time, and its peak memory; then the computed and the
// failing rows of the mix apart, for what each costs. Fails when a run does.
#include "cli/lens_table.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>

namespace {

constexpr long kBlockRows = 10000; // distinct rows, repeated
const char* const kHeader = "site,camera,resolution,units,width,distance,focal,notes\n";

// A number of 1 to 8 significant digits, between about 0.01 and 10,000.
std::string number(std::mt19937& random) {
    const int digits = std::uniform_int_distribution(1, 8)(random);
    const int point = std::uniform_int_distribution(-1, std::min(digits, 4))(random);
    std::string text = point < 0 ? "0.0" : point == 0 ? "0." : "";
    for (int i = 0; i < digits; ++i) {
        if (i == point && point > 0)
            text += '.';
        text += static_cast<char>('0' + std::uniform_int_distribution(i == 0 ? 1 : 0, 9)(random));
    }
    return text;
}

struct Mix {
    std::string all, computed, failing; // rows without the header
};

Mix mix() {
    std::mt19937 random(36);
    const char* units[] = {"meters", "feet", "inches", "M", "Ft", "In."};
    const bool custom[] = {0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1}; // --list-cameras
    Mix made;
    for (long i = 0; i < kBlockRows; ++i) {
        const int camera = std::uniform_int_distribution(1, 15)(random);
        std::string texts[3] = {number(random), number(random), number(random)};
        texts[i % 3].clear(); // solved in turn
        const int kind = std::uniform_int_distribution(0, 99)(random);
        if (kind < 2)
            texts[(i + 1) % 3] = "0"; // divides by zero
        else if (kind < 4)
            texts[(i + 2) % 3] = "1,5"; // a decimal comma in a comma table
        else if (kind < 5)
            texts[(i + 1) % 3].clear(); // two left empty
        const bool resolution = custom[camera - 1] && kind % 3 == 0;
        std::string row = "P-" + std::to_string(i) + "," + std::to_string(camera) + "," +
                          (resolution ? std::to_string(320 + kind * 37) : "") + "," +
                          units[kind % 6];
        for (const std::string& text : texts)
            row += "," + (text.find(',') != std::string::npos ? "\"" + text + "\"" : text);
        row += ",pole " + std::to_string(kind) + " north side\n";
        made.all += row;
        // Some rows fail of themselves (a focal length that rounds to 0):
        // the core says which computes.
        const std::string resolutionText = resolution ? std::to_string(320 + kind * 37) : "";
        std::array<std::string, orbel::kRequestColumns> scratch;
        const orbel::ReadRequest read = orbel::readRequest(
            {std::to_string(camera), resolutionText, units[kind % 6], texts[0], texts[1], texts[2]},
            false, scratch);
        const bool computed = read.problem.empty() &&
                              orbel::solve(read.request).kind == orbel::LensAnswer::Kind::Computed;
        (computed ? made.computed : made.failing) += row;
    }
    return made;
}

// Runs orbel-lens --csv - on `count` rows of `block` through a pipe, output
// to /dev/null; its CPU seconds, or a negative number when it fails.
double runProgram(const char* what, const std::string& block, long blockRows, long count,
                  int status) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const auto start = std::chrono::steady_clock::now();
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
    const std::string header = kHeader;
    bool written = write(pipeEnds[1], header.data(), header.size()) > 0;
    for (long sent = 0; written && sent < count; sent += blockRows)
        written =
            write(pipeEnds[1], block.data(), block.size()) == static_cast<ssize_t>(block.size());
    close(pipeEnds[1]);
    int ended = 0;
    rusage usage{};
    wait4(child, &ended, 0, &usage);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    const double rows = static_cast<double>(count / blockRows * blockRows);
    std::printf("%-9s %9.0f rows: %6.2f s, %5.2f M rows/s (%5.2f M rows per CPU second, %.2f us a "
                "row), peak %.1f MiB\n",
                what, rows, wall, rows / wall / 1e6, rows / cpu / 1e6, cpu / rows * 1e6,
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    const bool ok = written && WIFEXITED(ended) && WEXITSTATUS(ended) == status;
    return ok ? cpu / rows : -1;
}

long rowsOf(const std::string& block) {
    return static_cast<long>(std::count(block.begin(), block.end(), '\n'));
}

} // namespace

// With --table, writes the mix's distinct rows as a table instead, for a
// profiler's run of orbel-lens.
int main(int argc, char** argv) {
    const Mix rows = mix();
    if (argc > 1 && std::string(argv[1]) == "--table") {
        std::printf("%s%s", kHeader, rows.all.c_str());
        return 0;
    }
    std::printf("orbel-lens --csv - on a mix of %ld distinct rows, %ld of them failing, repeated\n",
                kBlockRows, rowsOf(rows.failing));
    bool ok = true;
    for (const long count : {1000000L, 10000000L})
        ok = runProgram("mix", rows.all, kBlockRows, count, 1) > 0 && ok;
    const double computed =
        runProgram("computed", rows.computed, rowsOf(rows.computed), 1000000, 0);
    const double failing = runProgram("failing", rows.failing, rowsOf(rows.failing), 1000000, 1);
    std::printf("a failing row costs %.2f times a computed one\n", failing / computed);
    ok = ok && computed > 0 && failing > 0;
    if (!ok)
        std::printf("a run failed\n");
    return ok ? 0 : 1;
}
