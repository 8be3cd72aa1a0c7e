// One life of the real plugin in the simulated game: load it (settings reads,
// registration), run its script through a scenario, unload it
// (unregistration). Every host call goes to `trace`.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "sim/scenario/scenario.h"
#include "sim/trace_sink.h"

namespace thornbrake::winhost {

struct PluginRunOptions {
    std::filesystem::path plugin;
    std::uint64_t seed = 1;
    // Run until this many passes have ended instead of the scenario's duration.
    std::optional<std::int64_t> passes;
    // Replaces .\Thornbrake.ini with this file while the plugin registers.
    std::optional<std::filesystem::path> settingsOnRegister;
};

// Throws sim::HostError when the plugin breaks the host's rules and
// std::runtime_error when it cannot be loaded or unloaded.
void RunPluginOnce(const scenario::Scenario& scenario, const PluginRunOptions& options,
                   sim::TraceSink& trace);

}  // namespace thornbrake::winhost
