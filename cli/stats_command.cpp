#include "stats_command.h"

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include "atomic_file.h"
#include "cli_errors.h"
#include "parallel_runs.h"
#include "histogram_plot.h"
#include "progress_bar.h"
#include "scenario_inputs.h"
#include "scenario_run.h"
#include "sim/scenario/scenario_error.h"
#include "statistics.h"
#include "timeline_text.h"

namespace thornbrake::cli {
namespace {

constexpr std::size_t kMostHistograms = 8;

std::string StatsTable(const Summary& names, const std::vector<Spread>& spreads) {
    std::string out = fmt::format("{:<38}{:>10}{:>10}{:>10}{:>10}{:>10}{:>10}\n", "Statistics", "mean", "p5",
                                  "median", "p95", "min", "max");
    std::optional<Who> group;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Figure& f = names[i];
        if (!group || *group != f.who) {
            group = f.who;
            out += f.who == Who::Character ? "  character\n" : f.who == Who::Horse ? "  horse\n" : "  plugin\n";
        }
        const Spread& s = spreads[i];
        const int d = f.decimals;
        // The mean and interpolated percentiles carry one more decimal than the figure.
        out += fmt::format("    {:<34}{:>10.{}f}{:>10.{}f}{:>10.{}f}{:>10.{}f}{:>10.{}f}{:>10.{}f}\n", f.label,
                           s.mean, d + 1, s.p5, d + 1, s.median, d + 1, s.p95, d + 1, s.min, d, s.max, d);
    }
    return out;
}

}  // namespace

CLI::App* AddStatsCommand(CLI::App& app, StatsArgs& args) {
    CLI::App* command = app.add_subcommand(
        "stats", "Run a scenario over many seeds on all cores and show the mean, p5, median, p95, min and "
                 "max of every summary figure");
    command->add_option("SCENARIO", args.scenario, "The scenario file (TOML)")->required();
    command->add_option("--runs", args.runs, "How many runs (seeds)")->type_name("N")->check(CLI::Range(1, 1000000));
    command->add_option("--jobs", args.jobs, "Worker processes (default: every core)")
        ->type_name("J")
        ->check(CLI::Range(1, 1024));
    command->add_option("--settings", args.settings,
                        "Settings file to use instead of the scenario's (the scenario's overrides still apply)")
        ->type_name("INI");
    command->add_option("--seed", args.seed, "First seed (default: the scenario's); runs use seed, seed+1, ...")
        ->type_name("N");
    command->add_option("--json", args.json, "Write the statistics as JSON to FILE")->type_name("FILE");
    command->add_option("--plot", args.plot, "Draw histograms of the figures that vary (.png or .svg)")
        ->type_name("FILE");
    command->footer(
        "Examples:\n"
        "  thornbrake-sim stats scenarios/bush-thicket.toml --runs 200\n"
        "  thornbrake-sim stats scenarios/default.toml --runs 500 --jobs 2 --plot spread.png\n"
        "  thornbrake-sim stats scenarios/default.toml --runs 100 --settings my.ini --json stats.json\n"
        "\n"
        "A progress bar shows on an interactive terminal. Exit codes: 0 fine, 2 bad input.\n");
    return command;
}

int RunStats(const StatsArgs& args, std::FILE* out, std::FILE* err) {
    try {
        const scenario::Scenario s = ReadScenario(args.scenario);
        if (!args.plot.empty()) CheckPlotPath(args.plot);
        const SettingsChoice settings = ChooseSettings(s, args.settings);
        for (const std::string* output : {&args.json, &args.plot}) {
            if (!output->empty()) CheckWritable(*output);
        }
        const std::uint64_t firstSeed = args.seed.value_or(s.seed);
        const int jobs = args.jobs > 0 ? args.jobs : CoreCount();
        const Summary names = EmptySummary();

        std::vector<std::vector<double>> figures;
        {
            ProgressBar bar(err);
            figures = RunInWorkers(
                args.runs, jobs, names.size(),
                [&](int index) {
                    const RunResult r = RunScenario(
                        {&s, firstSeed + static_cast<std::uint64_t>(index), settings.text, {}, false, false});
                    std::vector<double> values;
                    for (const Figure& f : r.summary) values.push_back(f.value);
                    return values;
                },
                [&bar](int done, int total) { bar.Show(done, total); });
        }

        std::vector<Spread> spreads;
        std::vector<Histogram> histograms;
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::vector<double> column;
            column.reserve(figures.size());
            for (const auto& run : figures) column.push_back(run[i]);
            spreads.push_back(SpreadOf(column));
            if (spreads.back().max > spreads.back().min && histograms.size() < kMostHistograms) {
                histograms.push_back({std::string(names[i].label), std::move(column)});
            }
        }

        std::string report = fmt::format("{} ({}): {} runs, seeds {} to {}, {:.1f} s of game time each\n",
                                          s.name, args.scenario, args.runs, firstSeed,
                                          firstSeed + static_cast<std::uint64_t>(args.runs) - 1, s.duration);
        report += fmt::format("settings: {}\n\n", settings.source);
        report += StatsTable(names, spreads);
        std::fputs(report.c_str(), out);

        if (!args.json.empty()) {
            nlohmann::json j;
            j["scenario"] = {{"file", args.scenario}, {"name", s.name}, {"seconds", s.duration}};
            j["settings"] = settings.source;
            j["runs"] = args.runs;
            j["seeds"] = {firstSeed, firstSeed + static_cast<std::uint64_t>(args.runs) - 1};
            nlohmann::json table = nlohmann::json::object();
            for (std::size_t i = 0; i < names.size(); ++i) {
                const Spread& sp = spreads[i];
                table[std::string(names[i].key)] = {{"mean", sp.mean}, {"p5", sp.p5},   {"median", sp.median},
                                                    {"p95", sp.p95},   {"min", sp.min}, {"max", sp.max}};
            }
            j["figures"] = table;
            WriteFileAtomically(args.json, j.dump(2) + "\n");
        }
        if (!args.plot.empty()) {
            WriteHistograms(args.plot, fmt::format("{} - {} runs", s.name, args.runs), histograms);
        }
        return kExitOk;
    } catch (const scenario::ScenarioError& error) {
        std::fprintf(err, "%s\n", error.what());
    } catch (const InputError& error) {
        std::fprintf(err, "thornbrake-sim: %s\n", error.what());
    } catch (const std::runtime_error& error) {
        std::fprintf(err, "thornbrake-sim: %s\n", error.what());
    }
    return kExitBadInput;
}

}  // namespace thornbrake::cli
