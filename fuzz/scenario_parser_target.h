// Fuzz target for the scenario reader: input is the text of a scenario file.
#pragma once

#include <string>
#include <string_view>

namespace thornbrake::fuzz {

// A scenario either reads, and then the director can set up its world and move
// it for a second of game time, or is refused with a ScenarioError naming the
// file and a position. Anything else is a fault. Returns what went wrong, or
// an empty string.
std::string CheckScenarioParser(std::string_view input);

}  // namespace thornbrake::fuzz
