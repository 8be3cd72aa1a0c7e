// The Linux build's side of the comparison: the same scenario, simulated host
// and world as thornbrake-asi-runner uses under Wine, with the plugin linked
// into the simulator instead of loaded from Thornbrake.asi.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "sim/scenario/scenario.h"

namespace thornbrake::windows_test {

struct PluginRun {
    std::uint64_t seed = 1;
    // The settings file's text; nullopt: no file.
    std::optional<std::string> settingsText = std::nullopt;
    // This many passes instead of the scenario's duration.
    std::optional<std::int64_t> passes = std::nullopt;
};

// Load, attach, run, detach, as one life of the DLL; the calls go to `trace`
// as JSON Lines.
void RunInProcess(const scenario::Scenario& scenario, const PluginRun& run, const std::filesystem::path& trace);

}  // namespace thornbrake::windows_test
