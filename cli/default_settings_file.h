// A fresh, fully commented settings file holding every default.
#pragma once

#include <string_view>

namespace thornbrake::cli {

std::string_view DefaultSettingsFile();

}  // namespace thornbrake::cli
