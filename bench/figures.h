// What every figure of netport-bench is made of: medians of timed runs, and
// whether a goal is met.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace figures {

using Clock = std::chrono::steady_clock;

inline double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace figures
