// Reads a scenario file (TOML). Every field is documented in
// docs/scenarios.md. A mistake throws ScenarioError with the file, line and
// column of the offending key or value.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "sim/scenario/scenario.h"
#include "sim/scenario/scenario_error.h"

namespace thornbrake::scenario {

Scenario LoadScenario(const std::filesystem::path& file);

// The same from text already in memory; `file` names it in messages and
// anchors a relative settings path.
Scenario ParseScenario(std::string_view text, const std::filesystem::path& file);

}  // namespace thornbrake::scenario
