// Fuzz target for check-settings: input is the text of a settings file.
#pragma once

#include <string>
#include <string_view>

namespace thornbrake::fuzz {

// Checks the file and compares every value it reports with what the plugin's
// own reader reads. Returns what went wrong, or an empty string.
std::string CheckSettingsChecker(std::string_view input);

}  // namespace thornbrake::fuzz
