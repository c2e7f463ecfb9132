#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// The nearest-rank percentile of some samples: 0.5 is the median, 1.0 the largest.
inline std::int64_t percentile(std::vector<std::int64_t> samples, double fraction) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank =
        static_cast<size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}
