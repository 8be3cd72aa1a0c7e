// The settings text a scenario run hands to the simulated host: the settings
// file as written, with the scenario's inline overrides put where the plugin's
// reader finds them first.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/scenario/scenario.h"

namespace thornbrake::scenario {

// Each override becomes a "Key=value" line right after the first section
// header of its section (the reader searches only that section, and takes the
// first key of a name in it); a section the file lacks is appended. Nothing
// else of the file changes, so every other key reads as before. A UTF-16 file
// comes back in the 8-bit form the reader turns it into.
std::string ApplyOverrides(std::string_view fileText, std::span<const SettingOverride> overrides);

// The text of the scenario's settings file with its overrides applied, or
// nullopt when the run has no settings file and no overrides (the plugin then
// reads every default). Throws std::runtime_error when the file cannot be read.
std::optional<std::string> SettingsTextFor(const std::filesystem::path& settingsFile,
                                           std::span<const SettingOverride> overrides);

}  // namespace thornbrake::scenario
