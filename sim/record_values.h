// A record's arguments and result as text, shared by the JSON and the compact
// text forms of the trace: numbers by the operation table's kinds, text
// quoted, a position as [x, y, z].
#pragma once

#include <string>

#include "sim/trace_record.h"

namespace thornbrake::sim {

enum class ValueStyle : bool { Text, Json };

// "a, b, c" without brackets. Registration calls have no arguments.
void AppendArgs(std::string& out, const CallRecord& record, ValueStyle style);

// Only operations with a result have one.
bool HasResult(const CallRecord& record);
void AppendResult(std::string& out, const CallRecord& record, ValueStyle style);

}  // namespace thornbrake::sim
