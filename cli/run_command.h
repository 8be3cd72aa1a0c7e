// thornbrake-sim run: one scenario, its timeline and summary; or two settings
// files compared on the same scenario and seed (--vs).
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace thornbrake::cli {

struct RunArgs {
    std::string scenario;
    std::string settings;
    std::optional<std::uint64_t> seed;
    std::string trace;
    std::string json;
    std::string plot;
    std::string vs;
};

CLI::App* AddRunCommand(CLI::App& app, RunArgs& args);

int RunRun(const RunArgs& args, std::FILE* out, std::FILE* err);

}  // namespace thornbrake::cli
