// How fast the simulator runs the plugin through a scenario, on one core:
// the simulated host and the director alone (trace off), and a whole run as
// `stats` makes it (the event collector taking every call). Each iteration is
// the scenario's full duration; the counters give passes and game seconds per
// wall-clock second, and the wall-clock time of 108,000 passes (an hour of
// play at 30 frames per second when nothing waits).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/median_ratio_reporter.h"
#include "scenario_inputs.h"
#include "scenario_run.h"
#include "sim/scenario/scenario_director.h"
#include "sim/script_host.h"

namespace thornbrake::bench {
namespace {

constexpr double kHourOfPasses = 108'000;

struct Loaded {
    scenario::Scenario scenario;
    cli::SettingsChoice settings;
};

Loaded Load(const std::string& name) {
    Loaded loaded{cli::ReadScenario(std::string(THORNBRAKE_SCENARIO_DIR) + "/" + name), {}};
    loaded.settings = cli::ChooseSettings(loaded.scenario, "");
    return loaded;
}

void Report(benchmark::State& state, double passes, double gameSeconds) {
    using benchmark::Counter;
    state.counters["passes_per_s"] = Counter(passes, Counter::kIsRate);
    state.counters["game_s_per_s"] = Counter(gameSeconds, Counter::kIsRate);
    // Seconds per pass, scaled to an hour of passes.
    state.counters["s_per_108k_passes"] =
        Counter(passes / kHourOfPasses, Counter::kIsRate | Counter::kInvert);
}

void SimulatorCore(benchmark::State& state, const std::string& name) {
    const Loaded loaded = Load(name);
    const scenario::Scenario& s = loaded.scenario;
    const auto durationMs = static_cast<std::int64_t>(s.duration * 1000.0 + 0.5);
    double passes = 0;
    double gameSeconds = 0;
    std::uint64_t seed = s.seed;
    for (auto _ : state) {
        sim::HostOptions options;
        options.seed = seed;
        options.frameUs = s.frameTimeUs;
        options.recordTrace = false;
        sim::ScriptHost host(options);
        host.Load(loaded.settings.text);
        scenario::ScenarioDirector director(s, seed);
        director.SetUp(host.State());
        host.SetFrameHook([&](sim::WorldState& world, std::int64_t nowUs) { director.Advance(world, nowUs); });
        host.Attach();
        host.RunForMs(durationMs);
        passes += static_cast<double>(host.PassesCompleted());
        gameSeconds += static_cast<double>(host.NowUs()) / 1.0e6;
        ++seed;
    }
    Report(state, passes, gameSeconds);
}

void ScenarioRun(benchmark::State& state, const std::string& name) {
    const Loaded loaded = Load(name);
    double passes = 0;
    double gameSeconds = 0;
    std::uint64_t seed = loaded.scenario.seed;
    for (auto _ : state) {
        cli::RunRequest request;
        request.scenario = &loaded.scenario;
        request.seed = seed++;
        request.settingsText = loaded.settings.text;
        request.wantTimeline = false;
        const cli::RunResult result = cli::RunScenario(request);
        passes += static_cast<double>(result.passes);
        gameSeconds += result.seconds;
    }
    Report(state, passes, gameSeconds);
}

void Register() {
    for (const std::string name : {"default.toml", "dense.toml"}) {
        benchmark::RegisterBenchmark(("SimulatorCore/" + name).c_str(), SimulatorCore, name)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("ScenarioRun/" + name).c_str(), ScenarioRun, name)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

}  // namespace
}  // namespace thornbrake::bench

int main(int argc, char** argv) {
    std::vector<char*> args = thornbrake::bench::WithDefaultFlags(argc, argv);
    int count = static_cast<int>(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    thornbrake::bench::Register();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
