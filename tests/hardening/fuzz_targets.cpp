#include "fuzz_targets.h"

#include "profile_reader_target.h"
#include "scenario_parser_target.h"
#include "settings_check_target.h"

namespace thornbrake::hardening {

std::vector<FuzzTarget> FuzzTargets() {
    return {
        {"profile_reader", &fuzz::CheckProfileReader},
        {"settings_check", &fuzz::CheckSettingsChecker},
        {"scenario_parser", &fuzz::CheckScenarioParser},
    };
}

}  // namespace thornbrake::hardening
