#include "libfuzzer_entry.h"
#include "scenario_parser_target.h"

THORNBRAKE_FUZZ_TARGET(thornbrake::fuzz::CheckScenarioParser)
