// thornbrake-sim: previews a settings file on scripted scenarios by running
// the plugin's own code in the simulated host.
#include <cstdio>

#include <CLI/CLI.hpp>

#include "check_settings_command.h"
#include "cli_errors.h"
#include "run_command.h"
#include "stats_command.h"

int main(int argc, char** argv) {
    using namespace thornbrake::cli;
    CLI::App app{"thornbrake-sim: preview Thornbrake settings on scripted scenarios.\n"
                 "  run             what happens on one scenario: timeline, summary, plot, A/B comparison\n"
                 "  stats           the same scenario over many seeds: mean, percentiles, histograms\n"
                 "  check-settings  what the plugin will read from a settings file, and what it ignores"};
    app.require_subcommand(1);
    app.footer("Run 'thornbrake-sim COMMAND --help' for a command's options and examples.\n"
               "Exit codes: 0 fine, 1 warnings under check-settings --strict, 2 bad input.\n");

    RunArgs runArgs;
    StatsArgs statsArgs;
    CheckSettingsArgs checkArgs;
    CLI::App* run = AddRunCommand(app, runArgs);
    CLI::App* stats = AddStatsCommand(app, statsArgs);
    CLI::App* check = AddCheckSettingsCommand(app, checkArgs);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kExitBadInput;
    }

    if (run->parsed()) return RunRun(runArgs, stdout, stderr);
    if (stats->parsed()) return RunStats(statsArgs, stdout, stderr);
    if (check->parsed()) return RunCheckSettings(checkArgs, stdout, stderr);
    return kExitBadInput;
}
