#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace pw::bench {

using Clock = std::chrono::steady_clock;

inline double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Median and worst of a set of samples, in microseconds.
struct Spread {
    double median = 0;
    double worst = 0;
};

inline Spread SpreadOf(std::vector<double> samples) {
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

} // namespace pw::bench
