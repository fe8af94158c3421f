// SPDX-License-Identifier: GPL-3.0-or-later
// Starts two programs alternately, each reporting the nanoseconds from its start to its first
// painted window, and prints the median start-up time and peak resident memory of each and
// their ratios. Usage: startup_compare RUNS PROGRAM_A PROGRAM_B

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double peakMegabytes;
};

bool runOnce(const char* program, Run& run) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return false;
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const std::string t0 = std::to_string(start.tv_sec * 1000000000LL + start.tv_nsec);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("STARTUP_T0_NS", t0.c_str(), 1);
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    run.milliseconds = std::atof(buffer) / 1e6;
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM_A PROGRAM_B\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> times[2], memory[2];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            Run run{};
            if (!runOnce(argv[2 + p], run)) {
                std::fprintf(stderr, "%s failed to start or report\n", argv[2 + p]);
                return 1;
            }
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.peakMegabytes);
        }
    }
    const double t[2] = {median(times[0]), median(times[1])};
    const double m[2] = {median(memory[0]), median(memory[1])};
    std::printf("%-28s %12s %14s\n", "start-up (median)", "first paint", "peak memory");
    for (int p = 0; p < 2; ++p) {
        const std::string name = argv[2 + p];
        std::printf("%-28s %9.1f ms %11.1f MB\n", name.substr(name.rfind('/') + 1).c_str(), t[p],
                    m[p]);
    }
    std::printf("%-28s %12.2f %14.2f\n", "ratio", t[0] / t[1], m[0] / m[1]);
    return 0;
}
