#include "scenario_run.h"

#include <algorithm>
#include <memory>

#include "event_collector.h"
#include "sim/json_lines_writer.h"
#include "sim/scenario/scenario_director.h"
#include "sim/script_host.h"
#include "timeline_merge.h"

namespace thornbrake::cli {
namespace {

// Hands every record to two sinks: the collector and the trace file.
class TeeSink final : public sim::TraceSink {
public:
    TeeSink(sim::TraceSink& first, sim::TraceSink& second) : first_(first), second_(second) {}
    void Write(const sim::CallRecord& record) override {
        first_.Write(record);
        second_.Write(record);
    }

private:
    sim::TraceSink& first_;
    sim::TraceSink& second_;
};

// About this many points make a smooth plot of any length.
constexpr std::int64_t kSamplesPerRun = 4000;

}  // namespace

RunResult RunScenario(const RunRequest& request) {
    const scenario::Scenario& scenario = *request.scenario;
    sim::HostOptions options;
    options.seed = request.seed;
    options.frameUs = scenario.frameTimeUs;
    options.recordTrace = false;  // the collector and the file take the calls as they come
    sim::ScriptHost host(options);
    host.Load(request.settingsText);

    RunResult result;
    result.settings = gSettings;
    sim::WorldState& world = host.State();
    scenario::ScenarioDirector director(scenario, request.seed);
    director.SetUp(world);
    result.maxHealth = world.character.maxHealth;
    result.maxStamina = world.character.maxStamina;
    result.maxDeadEye = world.character.maxDeadEye;
    result.horseMaxHealth = world.horse.maxHealth;
    result.horseMaxStamina = world.horse.maxStamina;

    EventCollector collector(world, result.settings);
    std::unique_ptr<sim::JsonLinesWriter> traceFile;
    std::unique_ptr<TeeSink> tee;
    if (!request.tracePath.empty()) {
        traceFile = std::make_unique<sim::JsonLinesWriter>(request.tracePath);
        tee = std::make_unique<TeeSink>(collector, *traceFile);
        host.GetTrace().SetSink(tee.get());
    } else {
        host.GetTrace().SetSink(&collector);
    }

    const auto durationUs = static_cast<std::int64_t>(scenario.duration * 1.0e6 + 0.5);
    const std::int64_t samplePeriodUs = std::max(scenario.frameTimeUs, durationUs / kSamplesPerRun);
    std::int64_t nextSampleUs = 0;
    if (request.wantSamples) result.samples.reserve(static_cast<std::size_t>(kSamplesPerRun + 16));
    host.SetFrameHook([&](sim::WorldState& state, std::int64_t nowUs) {
        director.Advance(state, nowUs);
        collector.Resync();
        if (request.wantSamples && nowUs >= nextSampleUs) {
            nextSampleUs += samplePeriodUs;
            result.samples.push_back({static_cast<double>(nowUs) / 1.0e6, state.character.health,
                                      state.character.stamina, state.character.deadEye,
                                      state.horse.health, state.horse.stamina, state.character.onMount});
        }
    });

    host.Attach();
    host.RunForMs((durationUs + 999) / 1000);
    collector.Finish();
    if (traceFile) traceFile->Commit();

    result.rolls = collector.rolls();
    result.passes = collector.passes();
    // The clock stops on a frame boundary just past the duration; rates and
    // reports use the duration asked for.
    result.seconds = scenario.duration;
    result.summary = Summarize(collector.events(), result.seconds, world);
    if (request.wantTimeline) result.timeline = BuildTimeline(collector.events(), director.events());
    if (request.wantSamples) result.reactions = collector.events();
    return result;
}

}  // namespace thornbrake::cli
