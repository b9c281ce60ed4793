#pragma once
// What the benchmarks share: a clock, the median and spread of repeated ratios, and a time limit
// after which the program reports and exits whatever it is doing.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sched.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The middle of the values and how far they spread: median, lowest and highest.
struct Spread {
    double median = 0, low = 0, high = 0;
};
inline Spread spread(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

inline void print(const char* what, const std::vector<double>& values, const char* format = "%.2f") {
    const Spread s = spread(values);
    std::string line =
        std::string("%-44s median ") + format + "  (" + format + " .. " + format + ", %zu runs)\n";
    std::printf(line.c_str(), what, s.median, s.low, s.high, values.size());
    std::fflush(stdout);
}

// Ends the program after the given seconds, with a line saying so, whatever it is waiting for.
inline void limitTime(unsigned seconds) {
    std::signal(SIGALRM, [](int) {
        static const char message[] = "time limit reached: the benchmark stopped\n";
        (void)!write(STDOUT_FILENO, message, sizeof message - 1);
        _exit(3);
    });
    alarm(seconds);
}

// Keeps this process, and the programs it starts, on the processor it runs on now: on a machine
// whose processors run at different speeds, every way then runs at the same one.
inline void stayOnOneProcessor() {
    const int processor = sched_getcpu();
    if (processor < 0) return;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(processor, &one);
    sched_setaffinity(0, sizeof one, &one);
}

} // namespace bench
