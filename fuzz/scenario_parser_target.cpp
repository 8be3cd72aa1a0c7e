#include "scenario_parser_target.h"

#include <exception>

#include "sim/scenario/scenario_director.h"
#include "sim/scenario/scenario_parser.h"

namespace thornbrake::fuzz {
namespace {

constexpr char kFileName[] = "fuzz.toml";
constexpr int kFramesToRun = 30;

std::string RunDirector(const scenario::Scenario& parsed) {
    scenario::ScenarioDirector director(parsed, parsed.seed);
    sim::WorldState world;
    director.SetUp(world);
    for (int frame = 0; frame <= kFramesToRun; ++frame) {
        director.Advance(world, frame * parsed.frameTimeUs);
    }
    return {};
}

}  // namespace

std::string CheckScenarioParser(std::string_view input) {
    scenario::Scenario parsed;
    try {
        parsed = scenario::ParseScenario(input, kFileName);
    } catch (const scenario::ScenarioError& error) {
        const std::string what = error.what();
        if (what.rfind(std::string(kFileName) + ":", 0) != 0) return "error without the file name: " + what;
        if (error.line() < 0 || error.column() < 0) return "error with a negative position: " + what;
        if (error.message().empty()) return "error without a message";
        return {};
    } catch (const std::exception& error) {
        return std::string("not a scenario error: ") + error.what();
    }
    try {
        return RunDirector(parsed);
    } catch (const std::exception& error) {
        return std::string("the director failed on an accepted scenario: ") + error.what();
    }
}

}  // namespace thornbrake::fuzz
