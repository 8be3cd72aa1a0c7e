#include "libfuzzer_entry.h"
#include "profile_reader_target.h"

THORNBRAKE_FUZZ_TARGET(thornbrake::fuzz::CheckProfileReader)
