#include "statistics.h"

#include <algorithm>
#include <vector>

namespace thornbrake::cli {
namespace {

double Percentile(const std::vector<double>& sorted, double p) {
    const double rank = p / 100.0 * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(rank);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = rank - static_cast<double>(below);
    return sorted[below] + (sorted[above] - sorted[below]) * fraction;
}

}  // namespace

Spread SpreadOf(std::span<const double> values) {
    Spread spread;
    if (values.empty()) return spread;
    std::vector<double> sorted(values.begin(), values.end());
    std::sort(sorted.begin(), sorted.end());
    double sum = 0.0;
    for (const double v : sorted) sum += v;
    spread.mean = sum / static_cast<double>(sorted.size());
    spread.p5 = Percentile(sorted, 5.0);
    spread.median = Percentile(sorted, 50.0);
    spread.p95 = Percentile(sorted, 95.0);
    spread.min = sorted.front();
    spread.max = sorted.back();
    return spread;
}

}  // namespace thornbrake::cli
