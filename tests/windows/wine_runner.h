// Runs programs of the Windows tree under Wine, in the test run's own prefix.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "process_runner.h"

namespace thornbrake::windows_test {

// Runs `program` with `arguments` in `workDir` (which becomes the Windows
// working folder, so ".\Thornbrake.ini" means workDir/Thornbrake.ini).
ProcessResult RunUnderWine(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::filesystem::path& workDir, const std::string& input = {});

// A fresh, empty folder under the build's scratch folder, named after `name`.
std::filesystem::path FreshScratchFolder(const std::string& name);

}  // namespace thornbrake::windows_test
