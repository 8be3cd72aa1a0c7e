// thornbrake-sim stats: a scenario over many seeds, each summary figure's
// mean, percentiles and extremes, optionally as histograms.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace thornbrake::cli {

struct StatsArgs {
    std::string scenario;
    std::string settings;
    std::optional<std::uint64_t> seed;
    int runs = 100;
    int jobs = 0;  // 0: every core
    std::string json;
    std::string plot;
};

CLI::App* AddStatsCommand(CLI::App& app, StatsArgs& args);

int RunStats(const StatsArgs& args, std::FILE* out, std::FILE* err);

}  // namespace thornbrake::cli
