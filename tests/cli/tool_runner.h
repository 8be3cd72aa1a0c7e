// Runs the built thornbrake-sim in a scratch folder and captures what it says.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace thornbrake::cli::testing_support {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A fresh, empty folder for one test.
std::filesystem::path ScratchFolder(const std::string& name);

// thornbrake-sim with `args`, run in `folder`.
ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder);

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& text);
nlohmann::json ReadJson(const std::filesystem::path& file);

// Writes `scenario` into a fresh folder named `name`, runs it with --json and
// returns the report. A run that fails throws, which fails the test with
// the tool's message.
nlohmann::json RunScenarioReport(const std::string& name, const std::string& scenario);

// The names of the files in a folder, sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);

// A bundled scenario, by file name.
std::filesystem::path Bundled(const std::string& name);

}  // namespace thornbrake::cli::testing_support
