// thornbrake-asi-runner: the Windows build of the simulated game, for the
// Wine tests. It loads the real Thornbrake.asi with LoadLibrary, next to the
// stand-in ScriptHookRDR2.dll, runs its script through a scenario exactly as
// the Linux simulator does, unloads it, and writes every host call as JSON
// Lines. The plugin reads .\Thornbrake.ini from the working folder, as in
// the game.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

#include "plugin_run.h"
#include "sim/json_lines_writer.h"
#include "sim/scenario/scenario_parser.h"

namespace {

struct Arguments {
    std::filesystem::path plugin = "Thornbrake.asi";
    std::filesystem::path scenario;
    std::filesystem::path trace;
    std::optional<std::uint64_t> seed;
    std::optional<std::int64_t> passes;
    int cycles = 1;
    std::optional<std::filesystem::path> settingsOnRegister;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace thornbrake;
    Arguments args;
    CLI::App app{"Runs the real Thornbrake.asi through a scenario in the simulated game and writes its calls"};
    app.add_option("--plugin", args.plugin, "The plugin DLL")->capture_default_str()->check(CLI::ExistingFile);
    app.add_option("--scenario", args.scenario, "Scenario file (TOML)")->required()->check(CLI::ExistingFile);
    app.add_option("--trace", args.trace, "Where to write the JSON Lines trace")->required();
    app.add_option("--seed", args.seed, "Seed instead of the scenario's");
    app.add_option("--passes", args.passes, "Run this many passes instead of the scenario's duration")
        ->check(CLI::PositiveNumber);
    app.add_option("--cycles", args.cycles, "Load, run and unload the plugin this many times")
        ->capture_default_str()
        ->check(CLI::PositiveNumber);
    app.add_option("--settings-on-register", args.settingsOnRegister,
                   "Copy this file over .\\Thornbrake.ini while the plugin registers")
        ->check(CLI::ExistingFile);
    CLI11_PARSE(app, argc, argv);

    try {
        const scenario::Scenario scenario = scenario::LoadScenario(args.scenario);
        winhost::PluginRunOptions options;
        options.plugin = args.plugin;
        options.seed = args.seed.value_or(scenario.seed);
        options.passes = args.passes;
        options.settingsOnRegister = args.settingsOnRegister;
        sim::JsonLinesWriter trace(args.trace);
        for (int cycle = 0; cycle < args.cycles; ++cycle) winhost::RunPluginOnce(scenario, options, trace);
        trace.Commit();
    } catch (const scenario::ScenarioError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "thornbrake-asi-runner: %s\n", error.what());
        return 1;
    }
    return 0;
}
