#include "histogram_plot.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "gnuplot.h"

namespace thornbrake::cli {

namespace {

struct Bins {
    double low = 0.0;
    double width = 1.0;
    std::vector<int> counts;
};

// Whole numbers over a short range get one bar per value; anything else 20
// equal bars from the smallest to the largest value.
Bins BinsOf(const std::vector<double>& values) {
    Bins bins;
    if (values.empty()) return bins;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    bool whole = true;
    for (const double v : values) whole = whole && v == std::floor(v);
    if (whole && *hi - *lo <= 40.0) {
        bins.low = *lo - 0.5;
        bins.width = 1.0;
    } else if (*hi > *lo) {
        bins.low = *lo;
        bins.width = (*hi - *lo) / 20.0;
    } else {
        bins.low = *lo - 0.5;
        bins.width = 1.0;
    }
    const auto count = static_cast<std::size_t>(std::max(1.0, std::ceil((*hi - bins.low) / bins.width + 1e-9)));
    bins.counts.assign(count, 0);
    for (const double v : values) {
        const auto index = static_cast<std::size_t>((v - bins.low) / bins.width);
        ++bins.counts[std::min(index, count - 1)];
    }
    return bins;
}

}  // namespace

void WriteHistograms(const std::filesystem::path& file, std::string_view title,
                     std::span<const Histogram> histograms) {
    CheckPlotPath(file);
    const int columns = 2;
    const int rows = static_cast<int>((histograms.size() + columns - 1) / columns);
    std::string s = GnuplotTerminal(file, 1400, 300 * std::max(rows, 1) + 80);
    std::vector<Bins> all;
    for (std::size_t i = 0; i < histograms.size(); ++i) {
        all.push_back(BinsOf(histograms[i].values));
        s += fmt::format("$h{} << EOD\n", i);
        for (std::size_t b = 0; b < all[i].counts.size(); ++b) {
            s += fmt::format("{:.6g} {}\n", all[i].low + (static_cast<double>(b) + 0.5) * all[i].width,
                             all[i].counts[b]);
        }
        s += "EOD\n";
    }
    s += fmt::format("set multiplot layout {},{} title {} font ',14'\n", rows, columns, GnuplotQuote(title));
    s += "set style fill solid 0.8 border lc rgb '#555555'\nset grid ytics lc rgb '#dddddd'\n"
         "set ylabel 'runs'\nunset key\n";
    for (std::size_t i = 0; i < histograms.size(); ++i) {
        const Bins& bins = all[i];
        const int most = bins.counts.empty() ? 1 : *std::max_element(bins.counts.begin(), bins.counts.end());
        const double top = bins.low + static_cast<double>(bins.counts.size()) * bins.width;
        s += fmt::format("set title {} font ',12'\n", GnuplotQuote(histograms[i].label));
        s += fmt::format("set xrange [{:.6g}:{:.6g}]\n", bins.low - bins.width, top + bins.width);
        s += fmt::format("set yrange [0:{}]\nset ytics {}\n", most + 1, std::max(1, (most + 7) / 8));
        s += fmt::format("set boxwidth {:.6g} absolute\n", bins.width * 0.9);
        s += fmt::format("plot $h{} using 1:2 with boxes lc rgb '#2e86c1'\n", i);
    }
    s += "unset multiplot\n";
    RunGnuplot(s, file);
}

}  // namespace thornbrake::cli
