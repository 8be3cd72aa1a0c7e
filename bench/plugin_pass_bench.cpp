// The plugin's cost per pass against the floor: the same host calls issued
// from a flat list. Run without arguments for medians of interleaved
// repetitions and the pass/floor ratio of each kind of pass.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench/host_call_replay.h"
#include "bench/median_ratio_reporter.h"
#include "bench/minimal_host.h"
#include "bench/pass_fixtures.h"
#include "hazards/damage_rolls.h"
#include "hazards/effect_loop.h"
#include "settings/settings.h"

namespace thornbrake::bench {
namespace {

// Sets the answers and checks that a pass is what the benchmark's name says.
bool Prepare(benchmark::State& state, PassKind kind) {
    SetHostAnswers(AnswersFor(kind));
    const std::string problem = ProblemWithPass(kind, RecordOnePass());
    if (!problem.empty()) state.SkipWithError(problem.c_str());
    return problem.empty();
}

void PluginPass(benchmark::State& state, PassKind kind) {
    if (!Prepare(state, kind)) return;
    const DamageRolls rolls = RollDamage(gSettings);
    for (auto _ : state) RunPass(rolls);
}

void HostCallFloor(benchmark::State& state, PassKind kind) {
    if (!Prepare(state, kind)) return;
    const HostCallReplay replay(RecordOnePass());
    for (auto _ : state) benchmark::DoNotOptimize(replay.Issue());
    state.counters["host_ops"] = static_cast<double>(replay.OperationCount());
}

void RegisterPairs() {
    for (const PassKind kind : kPassKinds) {
        const std::string name = NameOf(kind);
        benchmark::RegisterBenchmark(("PluginPass/" + name).c_str(), PluginPass, kind);
        benchmark::RegisterBenchmark(("HostCallFloor/" + name).c_str(), HostCallFloor, kind);
    }
}

}  // namespace
}  // namespace thornbrake::bench

int main(int argc, char** argv) {
    std::vector<char*> args = thornbrake::bench::WithDefaultFlags(argc, argv);
    int count = static_cast<int>(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    thornbrake::bench::RegisterPairs();
    thornbrake::bench::MedianRatioReporter reporter("PluginPass", "HostCallFloor");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
