// The compact one-line text form of trace records, for tests that compare
// what the plugin did with a table of expected lines:
//   IsModelNear(10.5, -3.25, 41, 0.6, 3986436812, 0) = 1
//   ApplyDamageToCharacter(1001, 30, 0, 65245, 1001)
//   GetEntityPosition(1001, 1, 0) = [1, 2, 3]
//   SetMood(2002, "Agitated")
//   scriptWait(250)
//   scriptRegister()
#pragma once

#include <span>
#include <string>
#include <vector>

#include "sim/trace_record.h"

namespace thornbrake::sim {

std::string ToText(const CallRecord& record);

std::vector<std::string> ToText(std::span<const CallRecord> records);

// Splits lines into passes: each pass runs up to and including a
// "scriptWait(0)". Lines after the last one form a final, unfinished pass.
std::vector<std::vector<std::string>> SplitPasses(std::span<const std::string> lines);

}  // namespace thornbrake::sim
