// Side-by-side timing for the targets report: two ways of doing the same thing run in turn in one
// process, so that a ratio holds while the shared machine's speed drifts.
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

struct tbench_figure {
    double fmedian_ms = 0, fmin_ms = 0, fmax_ms = 0;
};

inline tbench_figure bench_figure(std::vector<double> atimes) {
    std::sort(atimes.begin(), atimes.end());
    if (atimes.empty()) return {};
    return {atimes[atimes.size() / 2], atimes.front(), atimes.back()};
}

inline double bench_time_ms(const std::function<void()>& af) {
    auto start = std::chrono::steady_clock::now();
    af();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The process's processor time spent in af: on a loaded shared machine the wall time also holds
// the time other processes had the processors.
inline double bench_cpu_ms(const std::function<void()>& af) {
    auto now = [] {
        timespec t;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    };
    double start = now();
    af();
    return now() - start;
}

// Runs a and b in turn aruns times each (after one warm-up of each).
inline std::pair<tbench_figure, tbench_figure> bench_paired(const std::function<void()>& aa,
                                                           const std::function<void()>& ab, int aruns) {
    aa();
    ab();
    std::vector<double> ta, tb;
    for (int i = 0; i < aruns; ++i) {
        ta.push_back(bench_time_ms(aa));
        tb.push_back(bench_time_ms(ab));
    }
    return {bench_figure(ta), bench_figure(tb)};
}

inline std::string bench_format(const tbench_figure& af) {
    char s[96];
    std::snprintf(s, sizeof s, "%.3f ms (%.3f-%.3f)", af.fmedian_ms, af.fmin_ms, af.fmax_ms);
    return s;
}

// One line of the targets report.
inline void bench_target(const std::string& awhat, const tbench_figure& ameasured, const std::string& acompared,
                         const std::string& agoal, bool amet) {
    std::printf("%-58s %-30s %-40s goal %-22s %s\n", awhat.c_str(), bench_format(ameasured).c_str(), acompared.c_str(),
                agoal.c_str(), amet ? "met" : "MISSED");
}
