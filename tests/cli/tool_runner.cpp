#include "tool_runner.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace thornbrake::cli::testing_support {
namespace {

std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

}  // namespace

std::filesystem::path ScratchFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(THORNBRAKE_TEST_SCRATCH) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder) {
    const std::filesystem::path out = folder.parent_path() / (folder.filename().string() + ".stdout");
    const std::filesystem::path err = folder.parent_path() / (folder.filename().string() + ".stderr");
    std::string command = "cd " + ShellQuoted(folder.string()) + " && " + ShellQuoted(THORNBRAKE_SIM_EXE);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

nlohmann::json ReadJson(const std::filesystem::path& file) { return nlohmann::json::parse(ReadFile(file)); }

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::filesystem::path Bundled(const std::string& name) {
    return std::filesystem::path(THORNBRAKE_SOURCE_DIR) / "scenarios" / name;
}

nlohmann::json RunScenarioReport(const std::string& name, const std::string& scenario) {
    const std::filesystem::path folder = ScratchFolder(name);
    WriteFile(folder / (name + ".toml"), scenario);
    const ToolRun run = RunTool({"run", name + ".toml", "--json", name + ".json"}, folder);
    // Thrown, so the test stops here and reports why, instead of reading a
    // report that is not there.
    if (run.exitCode != 0) {
        throw std::runtime_error(name + ": thornbrake-sim exited " + std::to_string(run.exitCode) +
                                 ": " + run.err);
    }
    return ReadJson(folder / (name + ".json"));
}

}  // namespace thornbrake::cli::testing_support
