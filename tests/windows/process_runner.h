// Runs a program to completion and collects what it printed, for tests that
// drive the Windows build's tools and Wine.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace thornbrake::windows_test {

struct ProcessResult {
    int exitCode = -1;  // the program's exit status; -1 when it did not exit normally
    std::string out;    // everything written to standard output
    std::string err;    // everything written to standard error
};

// Runs argv[0] (looked up in PATH) in `workDir` with `input` as its standard
// input and `extraEnvironment` ("NAME=value") added to this process's.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::filesystem::path& workDir,
                         const std::string& input = {},
                         const std::vector<std::string>& extraEnvironment = {});

// Both outputs of a result, for failure messages.
std::string Describe(const ProcessResult& result);

}  // namespace thornbrake::windows_test
