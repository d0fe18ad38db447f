// Shared by the benchmarks: a clock, medians, and the one line per figure that make bench collects.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double now_microseconds()
{
    static const double ticks_per_microsecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticks_per_microsecond;
}

inline double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Runs `ours` and `reference` alternately, `rounds` times each, and gives their median times.
template <class Ours, class Reference>
std::pair<double, double> alternate(int rounds, Ours ours, Reference reference)
{
    std::vector<double> our_times, reference_times;
    for (int round = 0; round < rounds; ++round) {
        double start = now_microseconds();
        ours();
        our_times.push_back(now_microseconds() - start);
        start = now_microseconds();
        reference();
        reference_times.push_back(now_microseconds() - start);
    }
    return {median(our_times), median(reference_times)};
}

// One row of the results table: figure | ours | reference | ratio | goal | met.
inline void report(const char* figure, const char* ours, const char* reference, const char* ratio, const char* goal, bool met)
{
    std::printf("| %s | %s | %s | %s | %s | %s |\n", figure, ours, reference, ratio, goal, met ? "yes" : "**no**");
    std::fflush(stdout);
}
