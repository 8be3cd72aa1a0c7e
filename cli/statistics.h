// Mean, percentiles and extremes of one figure over many runs.
#pragma once

#include <span>

namespace thornbrake::cli {

struct Spread {
    double mean = 0.0;
    double p5 = 0.0;
    double median = 0.0;
    double p95 = 0.0;
    double min = 0.0;
    double max = 0.0;
};

// Percentiles interpolate linearly between the nearest ranks (the p-th
// percentile of n sorted values sits at rank p/100 * (n - 1)). An empty list
// gives zeros.
Spread SpreadOf(std::span<const double> values);

}  // namespace thornbrake::cli
