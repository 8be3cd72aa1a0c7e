// Histograms of summary figures over many runs, for `stats --plot`.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gnuplot.h"

namespace thornbrake::cli {

// One histogram per figure, from its values over many runs: whole numbers
// over a short range get a bar per value, anything else 20 equal bars.
struct Histogram {
    std::string label;
    std::vector<double> values;
};
void WriteHistograms(const std::filesystem::path& file, std::string_view title,
                     std::span<const Histogram> histograms);

}  // namespace thornbrake::cli
