#include "run_command.h"

#include <fmt/format.h>

#include "atomic_file.h"
#include "cli_errors.h"
#include "plot.h"
#include "run_report_json.h"
#include "scenario_inputs.h"
#include "scenario_run.h"
#include "sim/host_error.h"
#include "sim/scenario/scenario_error.h"
#include "timeline_text.h"

namespace thornbrake::cli {
namespace {

std::string Header(const scenario::Scenario& s, const std::string& file, std::uint64_t seed) {
    return fmt::format("{} ({}), seed {}\n", s.name, file, seed);
}

std::string RunReport(const scenario::Scenario& s, const RunArgs& args, std::uint64_t seed,
                      const SettingsChoice& settings, const RunResult& r) {
    std::string out = Header(s, args.scenario, seed);
    out += fmt::format("{:.1f} s of game time at {:.0f} frames/s; the plugin ran {} passes\n", r.seconds,
                       1.0e6 / static_cast<double>(s.frameTimeUs), r.passes);
    out += fmt::format("settings: {}: {}\n", settings.source, FormatChangedSettings(r.settings));
    out += FormatRolls(r.rolls, r.settings) + "\n\n";
    out += FormatTimeline(r.timeline) + "\n";
    out += FormatSummary(r.summary);
    return out;
}

}  // namespace

CLI::App* AddRunCommand(CLI::App& app, RunArgs& args) {
    CLI::App* command = app.add_subcommand(
        "run", "Run a scenario with the plugin's real code and show what happened to the character and "
               "the horse: a timeline and a summary");
    command->add_option("SCENARIO", args.scenario, "The scenario file (TOML)")->required();
    command->add_option("--settings", args.settings,
                        "Settings file to use instead of the scenario's (the scenario's overrides still apply)")
        ->type_name("INI");
    command->add_option("--seed", args.seed, "Seed instead of the scenario's")->type_name("N");
    command->add_option("--trace", args.trace, "Write every host call as JSON Lines to FILE")->type_name("FILE");
    command->add_option("--json", args.json, "Write the timeline and the summary as JSON to FILE")
        ->type_name("FILE");
    command->add_option("--plot", args.plot,
                        "Draw health, stamina and dead-eye over time with the events marked (.png or .svg)")
        ->type_name("FILE");
    command->add_option("--vs", args.vs,
                        "Also run with this settings file from the same seed and compare the summaries")
        ->type_name("B.ini");
    command->footer(
        "Examples:\n"
        "  thornbrake-sim run scenarios/default.toml\n"
        "  thornbrake-sim run scenarios/default.toml --plot default.png\n"
        "  thornbrake-sim run scenarios/cholla-linger.toml --settings my.ini --seed 7 --json run.json\n"
        "  thornbrake-sim run scenarios/default.toml --settings A.ini --vs B.ini\n"
        "  thornbrake-sim run scenarios/bush-thicket.toml --trace calls.jsonl\n"
        "\n"
        "Exit codes: 0 fine, 2 bad input (the scenario's mistakes are shown as FILE:LINE:COLUMN).\n");
    return command;
}

int RunRun(const RunArgs& args, std::FILE* out, std::FILE* err) {
    try {
        // Every input is checked before anything is written.
        const scenario::Scenario s = ReadScenario(args.scenario);
        const std::uint64_t seed = args.seed.value_or(s.seed);
        if (!args.plot.empty()) CheckPlotPath(args.plot);
        if (!args.vs.empty() && !args.trace.empty()) {
            throw InputError("--trace records a single run; leave out --vs or --trace");
        }
        const SettingsChoice settingsA = ChooseSettings(s, args.settings);
        for (const std::string* output : {&args.trace, &args.json, &args.plot}) {
            if (!output->empty()) CheckWritable(*output);
        }
        const bool wantSamples = !args.plot.empty();

        if (args.vs.empty()) {
            const RunResult r = RunScenario({&s, seed, settingsA.text, args.trace, true, wantSamples});
            std::fputs(RunReport(s, args, seed, settingsA, r).c_str(), out);
            if (!args.json.empty()) {
                WriteFileAtomically(args.json, RunToJson({&s, seed, settingsA.source, &r}).dump(2) + "\n");
            }
            if (!args.plot.empty()) {
                const PlotRun runs[] = {{"", &r}};
                WritePlot(args.plot, fmt::format("{} - seed {}", s.name, seed), runs);
            }
            return kExitOk;
        }

        const SettingsChoice settingsB = ChooseSettings(s, args.vs);
        const RunResult a = RunScenario({&s, seed, settingsA.text, {}, true, wantSamples});
        const RunResult b = RunScenario({&s, seed, settingsB.text, {}, true, wantSamples});
        std::string report = Header(s, args.scenario, seed);
        report += fmt::format("both runs {:.1f} s of game time from seed {}\n", a.seconds, seed);
        report += fmt::format("A: {}: {}\n", settingsA.source, FormatChangedSettings(a.settings));
        report += fmt::format("B: {}: {}\n\n", settingsB.source, FormatChangedSettings(b.settings));
        report += FormatComparison({"A", "B", &a.summary, &b.summary});
        std::fputs(report.c_str(), out);
        if (!args.json.empty()) {
            nlohmann::json j;
            j["a"] = RunToJson({&s, seed, settingsA.source, &a});
            j["b"] = RunToJson({&s, seed, settingsB.source, &b});
            nlohmann::json difference = nlohmann::json::object();
            for (std::size_t i = 0; i < a.summary.size(); ++i) {
                difference[std::string(a.summary[i].key)] = b.summary[i].value - a.summary[i].value;
            }
            j["difference_b_minus_a"] = difference;
            WriteFileAtomically(args.json, j.dump(2) + "\n");
        }
        if (!args.plot.empty()) {
            const PlotRun runs[] = {{"A", &a}, {"B", &b}};
            WritePlot(args.plot, fmt::format("{} - seed {} - A solid, B dashed", s.name, seed), runs);
        }
        return kExitOk;
    } catch (const scenario::ScenarioError& error) {
        std::fprintf(err, "%s\n", error.what());
    } catch (const InputError& error) {
        std::fprintf(err, "thornbrake-sim: %s\n", error.what());
    } catch (const sim::HostError& error) {
        std::fprintf(err, "thornbrake-sim: the simulated host stopped the plugin: %s\n", error.what());
    } catch (const std::runtime_error& error) {
        std::fprintf(err, "thornbrake-sim: %s\n", error.what());
    }
    return kExitBadInput;
}

}  // namespace thornbrake::cli
