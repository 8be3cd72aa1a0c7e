// What the run and stats commands share: the scenario file read and checked,
// and the settings text the plugin will read, with a description of where it
// came from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/scenario/scenario.h"

namespace thornbrake::cli {

struct SettingsChoice {
    std::optional<std::string> text;  // nullopt: no settings file at all
    std::string source;               // "a.ini", "no settings file", plus any overrides
};

// Throws ScenarioError for a bad scenario file.
scenario::Scenario ReadScenario(const std::string& file);

// The settings file given on the command line, else the scenario's own, with
// the scenario's overrides on top. Throws InputError when unreadable.
SettingsChoice ChooseSettings(const scenario::Scenario& scenario, const std::string& commandLineFile);

}  // namespace thornbrake::cli
