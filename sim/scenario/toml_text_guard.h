// toml++ 3.3 (Debian 12) has undefined behaviour when it tests a non-ASCII
// character for whitespace: a switch in its character tables falls into an
// "unreachable" default for most code points between U+00A1 and U+FEFF. TOML
// allows such characters only inside strings and comments, where toml++ does
// not test them, except right after a line-ending backslash. This check runs
// before the real parse and refuses every text that would reach that test.
#pragma once

#include <string>
#include <string_view>

namespace thornbrake::scenario {

// Throws ScenarioError (file, line, column, message) when a non-ASCII
// character stands anywhere but in string content or a comment, or is the
// first character after a line-ending backslash. A text of plain ASCII passes
// at no cost.
void CheckNonAsciiPlacement(std::string_view text, const std::string& file);

}  // namespace thornbrake::scenario
