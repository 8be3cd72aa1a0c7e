// JSON Lines traces as the tests compare them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace thornbrake::windows_test {

// One line per host call, as written.
std::vector<std::string> ReadTraceLines(const std::filesystem::path& trace);

// The pain id of every PlayPain call comes from the C runtime's rand(),
// which differs between Windows' and Linux's C runtimes and is seeded from
// the real tick count under Wine. Each one is checked to be one of the three
// pain ids and then replaced by "pain", so that traces of both builds can be
// compared call for call. Returns the lines that held another pain id.
std::vector<std::string> SetAsidePainIds(std::vector<std::string>& lines);

// The "op" of a trace line.
std::string OperationOf(const std::string& line);

// Splits a trace at every scriptRegister: one part per life of the plugin.
std::vector<std::vector<std::string>> SplitLives(const std::vector<std::string>& lines);

}  // namespace thornbrake::windows_test
