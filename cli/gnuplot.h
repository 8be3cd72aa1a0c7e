// Running gnuplot for our pictures: the terminal chosen by the output file's
// extension, and the picture written to a temporary file and moved into place
// only when gnuplot succeeded.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace thornbrake::cli {

// Throws InputError for an extension other than .png or .svg, or when
// gnuplot is not installed.
void CheckPlotPath(const std::filesystem::path& file);

// "set terminal ..." for the file's format.
std::string GnuplotTerminal(const std::filesystem::path& output, int width, int height);

// A gnuplot string in double quotes.
std::string GnuplotQuote(std::string_view text);

// Runs `script` (which starts with the terminal line); throws InputError when
// gnuplot is missing or fails.
void RunGnuplot(const std::string& script, const std::filesystem::path& file);

}  // namespace thornbrake::cli
