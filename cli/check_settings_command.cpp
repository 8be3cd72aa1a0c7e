#include "check_settings_command.h"

#include <fmt/format.h>

#include "atomic_file.h"
#include "cli_errors.h"
#include "default_settings_file.h"
#include "text_file.h"

namespace thornbrake::cli {
namespace {

std::string ValueText(const SettingReading& reading) {
    if (reading.key->use == scenario::SettingUse::Switch) {
        return fmt::format("{} ({})", reading.value != 0 ? "on" : "off", reading.value);
    }
    return std::to_string(reading.value);
}

}  // namespace

CLI::App* AddCheckSettingsCommand(CLI::App& app, CheckSettingsArgs& args) {
    CLI::App* command = app.add_subcommand(
        "check-settings", "Show the thirteen values the plugin will read from a settings file, "
                          "with warnings for anything it would ignore or read differently");
    command->add_option("INI", args.ini, "The settings file to check (Thornbrake.ini)");
    command->add_flag("--strict", args.strict, "Exit with code 1 when there is any warning");
    command->add_option("--write-default", args.writeDefault,
                        "Write a fresh, fully commented settings file with every default to FILE")
        ->type_name("FILE");
    command->footer(
        "Examples:\n"
        "  thornbrake-sim check-settings Thornbrake.ini\n"
        "  thornbrake-sim check-settings --strict Thornbrake.ini   (exit 1 on warnings, for scripts)\n"
        "  thornbrake-sim check-settings --write-default Thornbrake.ini\n"
        "\n"
        "Exit codes: 0 fine, 1 warnings under --strict, 2 bad input.\n");
    return command;
}

std::string FormatSettingsCheck(const SettingsCheck& check, std::string_view fileName) {
    std::string out = fmt::format("{}: the plugin will read\n", fileName);
    std::string_view section;
    for (const SettingReading& reading : check.readings) {
        if (reading.key->section != section) {
            section = reading.key->section;
            out += fmt::format("\n  [{}]\n", section);
        }
        const std::string source =
            reading.line != 0 ? fmt::format("line {}", reading.line) : std::string("default");
        out += fmt::format("    {:<34}{:>12}   {}\n", reading.key->key, ValueText(reading), source);
    }
    out += "\n";
    for (const SettingsWarning& warning : check.warnings) {
        if (warning.line != 0) {
            out += fmt::format("{}:{}: warning: {}\n", fileName, warning.line, warning.message);
        } else {
            out += fmt::format("{}: warning: {}\n", fileName, warning.message);
        }
    }
    const std::size_t count = check.warnings.size();
    out += count == 0 ? std::string("No warnings.\n")
                      : fmt::format("{} warning{}.\n", count, count == 1 ? "" : "s");
    return out;
}

int RunCheckSettings(const CheckSettingsArgs& args, std::FILE* out, std::FILE* err) {
    try {
        if (args.ini.empty() && args.writeDefault.empty()) {
            throw InputError("check-settings needs a settings file to check, or --write-default FILE");
        }
        // Check first: a bad input file leaves nothing written.
        if (!args.writeDefault.empty()) CheckWritable(args.writeDefault);
        int status = kExitOk;
        std::string report;
        if (!args.ini.empty()) {
            const SettingsCheck check = CheckSettings(ReadTextFile(args.ini, "a settings file"));
            report = FormatSettingsCheck(check, args.ini);
            if (args.strict && !check.warnings.empty()) status = kExitWarnings;
        }
        if (!args.writeDefault.empty()) {
            WriteFileAtomically(args.writeDefault, DefaultSettingsFile());
            report += fmt::format("Wrote the default settings to {}\n", args.writeDefault);
        }
        std::fputs(report.c_str(), out);
        return status;
    } catch (const InputError& error) {
        std::fprintf(err, "thornbrake-sim: %s\n", error.what());
        return kExitBadInput;
    }
}

}  // namespace thornbrake::cli
