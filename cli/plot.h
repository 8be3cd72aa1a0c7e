// A picture of a run (or of two runs side by side): the character's health,
// stamina and dead-eye and the horse's health and stamina over time, with
// every reaction marked and missions and riding shaded. Rendered by gnuplot
// as PNG or SVG, chosen by the file's extension.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "gnuplot.h"
#include "scenario_run.h"

namespace thornbrake::cli {

struct PlotRun {
    std::string label;  // "" for a single run
    const RunResult* run;
};

// The gnuplot script that draws `runs` into `output`.
std::string PlotScript(const std::filesystem::path& output, std::string_view title,
                       std::span<const PlotRun> runs);

// Runs gnuplot; the file appears complete or not at all. Throws InputError
// when gnuplot is missing or fails.
void WritePlot(const std::filesystem::path& file, std::string_view title, std::span<const PlotRun> runs);

}  // namespace thornbrake::cli
