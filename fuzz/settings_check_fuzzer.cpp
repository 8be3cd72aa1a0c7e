#include "libfuzzer_entry.h"
#include "settings_check_target.h"

THORNBRAKE_FUZZ_TARGET(thornbrake::fuzz::CheckSettingsChecker)
