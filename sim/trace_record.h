// One host call as the trace keeps it: compact and fixed-size, with the raw
// argument slots and result slots, so recording costs no allocation and the
// formatting is done only when somebody reads the trace.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "sim/operation_table.h"

namespace thornbrake::sim {

enum class CallKind : std::uint8_t {
    Operation,                  // a game operation: op, args, result
    Wait,                       // scriptWait: args[0] is the milliseconds
    ScriptRegister,
    ScriptUnregister,
    KeyboardHandlerRegister,
    KeyboardHandlerUnregister,
};

struct CallRecord {
    std::int64_t tMs = 0;                // simulated milliseconds since the host started
    CallKind kind = CallKind::Operation;
    std::uint8_t argCount = 0;
    const OperationInfo* op = nullptr;   // for CallKind::Operation
    // Raw slots. A text argument holds the address of a NUL-terminated string
    // that lives at least as long as the record (the trace keeps a copy).
    std::array<std::uint64_t, kMaxOperationArgs> args{};
    std::array<std::uint64_t, 3> result{};
};

// The name a record is written under: the operation's, or the host function's.
std::string_view RecordName(const CallRecord& record);

}  // namespace thornbrake::sim
