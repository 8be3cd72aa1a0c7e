#include "in_process_run.h"

#include "sim/json_lines_writer.h"
#include "sim/scenario/scenario_director.h"
#include "sim/script_host.h"

namespace thornbrake::windows_test {

void RunInProcess(const scenario::Scenario& scenario, const PluginRun& run, const std::filesystem::path& trace) {
    sim::JsonLinesWriter writer(trace);
    {
        sim::HostOptions options;
        options.seed = run.seed;
        options.frameUs = scenario.frameTimeUs;
        options.recordTrace = false;
        sim::ScriptHost host(options);
        host.GetTrace().SetSink(&writer);
        scenario::ScenarioDirector director(scenario, run.seed);
        director.SetUp(host.State());
        host.SetFrameHook([&director](sim::WorldState& world, std::int64_t nowUs) { director.Advance(world, nowUs); });

        host.Load(run.settingsText);
        host.Attach();
        if (run.passes) {
            host.RunPasses(*run.passes);
        } else {
            const auto durationUs = static_cast<std::int64_t>(scenario.duration * 1.0e6 + 0.5);
            host.RunForMs((durationUs + 999) / 1000);
        }
        host.Detach();
    }
    writer.Commit();
}

}  // namespace thornbrake::windows_test
