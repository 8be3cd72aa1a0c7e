// thornbrake-sim check-settings: the values the plugin will read from a
// settings file, and warnings about what it would silently ignore.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "settings_check.h"

namespace thornbrake::cli {

struct CheckSettingsArgs {
    std::string ini;
    bool strict = false;
    std::string writeDefault;
};

CLI::App* AddCheckSettingsCommand(CLI::App& app, CheckSettingsArgs& args);

int RunCheckSettings(const CheckSettingsArgs& args, std::FILE* out, std::FILE* err);

// The report as printed: the table of values, then one line per warning in
// the form "FILE:LINE: warning: ...".
std::string FormatSettingsCheck(const SettingsCheck& check, std::string_view fileName);

}  // namespace thornbrake::cli
