// The JSON Lines form of the trace: one object per host call.
//   {"t": 1234, "op": "IsModelNear", "id": "0xBFA48E2FF417213F", "args": [...], "ret": 1}
//   {"t": 1234, "op": "scriptWait", "args": [250]}
//   {"t": 0, "op": "scriptRegister", "args": []}
#pragma once

#include <string>

#include "sim/trace_record.h"

namespace thornbrake::sim {

// Appends the object and a closing '\n'.
void AppendJsonLine(std::string& out, const CallRecord& record);

// The object alone, without the newline.
std::string ToJson(const CallRecord& record);

}  // namespace thornbrake::sim
