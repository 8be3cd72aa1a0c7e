#include "trace_file.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <stdexcept>

namespace thornbrake::windows_test {

std::vector<std::string> ReadTraceLines(const std::filesystem::path& trace) {
    std::ifstream in(trace);
    if (!in) throw std::runtime_error(trace.string() + ": cannot read");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> SetAsidePainIds(std::vector<std::string>& lines) {
    std::vector<std::string> unexpected;
    for (std::string& line : lines) {
        if (OperationOf(line) != "PlayPain") continue;
        nlohmann::ordered_json call = nlohmann::ordered_json::parse(line);
        nlohmann::ordered_json& painId = call.at("args").at(1);
        if (painId != 4 && painId != 5 && painId != 11) unexpected.push_back(line);
        painId = "pain";
        line = call.dump();
    }
    return unexpected;
}

std::string OperationOf(const std::string& line) {
    // Every line starts {"t": N, "op": "<name>", ...
    const std::string marker = "\"op\": \"";
    const auto start = line.find(marker);
    if (start == std::string::npos) throw std::runtime_error("not a trace line: " + line);
    const auto from = start + marker.size();
    return line.substr(from, line.find('"', from) - from);
}

std::vector<std::vector<std::string>> SplitLives(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> lives;
    for (const std::string& line : lines) {
        if (lives.empty() || OperationOf(line) == "scriptRegister") lives.emplace_back();
        lives.back().push_back(line);
    }
    return lives;
}

}  // namespace thornbrake::windows_test
