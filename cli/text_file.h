// Reading a whole input file, with a clear message when it cannot be read.
#pragma once

#include <filesystem>
#include <string>

namespace thornbrake::cli {

// Throws InputError naming the file.
std::string ReadTextFile(const std::filesystem::path& file, const char* what);

}  // namespace thornbrake::cli
