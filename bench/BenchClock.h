#pragma once
// The clock and the median every benchmark reports with.
#include <algorithm>
#include <ctime>
#include <vector>

inline double monotonicMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

inline double nowUs()
{
    return monotonicMs() * 1e3;
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
