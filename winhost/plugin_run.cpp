#include "plugin_run.h"

#include <stdexcept>

#include "plugin_library.h"
#include "settings_swap.h"
#include "sim/scenario/scenario_director.h"
#include "sim/script_host.h"

namespace thornbrake::winhost {
namespace {

// Where the plugin looks for its settings: the working folder.
const std::filesystem::path kSettingsFile = "Thornbrake.ini";

// The scenario's length, rounded as the Linux simulator rounds it.
std::int64_t DurationMs(const scenario::Scenario& scenario) {
    const auto durationUs = static_cast<std::int64_t>(scenario.duration * 1.0e6 + 0.5);
    return (durationUs + 999) / 1000;
}

}  // namespace

void RunPluginOnce(const scenario::Scenario& scenario, const PluginRunOptions& options,
                   sim::TraceSink& trace) {
    sim::HostOptions hostOptions;
    hostOptions.seed = options.seed;
    hostOptions.frameUs = scenario.frameTimeUs;
    hostOptions.recordTrace = false;  // the sink takes every call
    sim::ScriptHost host(hostOptions);
    host.GetTrace().SetSink(&trace);

    scenario::ScenarioDirector director(scenario, options.seed);
    director.SetUp(host.State());
    host.SetFrameHook([&director](sim::WorldState& world, std::int64_t nowUs) { director.Advance(world, nowUs); });

    std::optional<SettingsSwap> swap;
    if (options.settingsOnRegister) swap.emplace(*options.settingsOnRegister, kSettingsFile);
    PluginLibrary plugin(options.plugin);
    if (swap) {
        swap->ThrowUnlessSwapped();
        swap.reset();
    }
    if (host.Status() != sim::ScriptStatus::Registered) {
        throw std::runtime_error(options.plugin.string() + ": registered no script while loading");
    }

    if (options.passes) {
        host.RunPasses(*options.passes);
    } else {
        host.RunForMs(DurationMs(scenario));
    }
    plugin.Unload();
}

}  // namespace thornbrake::winhost
