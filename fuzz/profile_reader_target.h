// Fuzz target for our settings-file reader: input "section\nkey\ntext".
#pragma once

#include <string>
#include <string_view>

namespace thornbrake::fuzz {

// Reads `key` of `section` from the text the way the plugin does and checks
// what must hold for any input. Returns what went wrong, or an empty string.
std::string CheckProfileReader(std::string_view input);

}  // namespace thornbrake::fuzz
