// The --json form of a run: the scenario, the settings read, the timeline and
// the summary; and of an A/B comparison.
#pragma once

#include <nlohmann/json.hpp>

#include "scenario_run.h"
#include "sim/scenario/scenario.h"

namespace thornbrake::cli {

struct RunFacts {
    const scenario::Scenario* scenario;
    std::uint64_t seed;
    std::string settingsSource;
    const RunResult* result;
};

nlohmann::json RunToJson(const RunFacts& facts);
nlohmann::json SummaryToJson(const Summary& summary);

}  // namespace thornbrake::cli
