#include "sim/record_values.h"

#include <bit>
#include <cstdint>

#include "sim/value_format.h"

namespace thornbrake::sim {
namespace {

std::uint32_t Low(std::uint64_t slot) { return static_cast<std::uint32_t>(slot); }

void AppendSlotFloat(std::string& out, std::uint64_t slot, ValueStyle style) {
    AppendFloat(out, std::bit_cast<float>(Low(slot)), style == ValueStyle::Json);
}

void AppendArg(std::string& out, ArgKind kind, std::uint64_t slot, ValueStyle style) {
    switch (kind) {
        case ArgKind::Int: AppendInt(out, static_cast<std::int32_t>(Low(slot))); break;
        case ArgKind::Model: AppendInt(out, Low(slot)); break;
        case ArgKind::Float: AppendSlotFloat(out, slot, style); break;
        case ArgKind::Text: {
            const char* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(slot));
            if (text == nullptr) {
                out += "null";
            } else {
                AppendQuoted(out, text);
            }
            break;
        }
    }
}

}  // namespace

void AppendArgs(std::string& out, const CallRecord& record, ValueStyle style) {
    for (std::size_t i = 0; i < record.argCount; ++i) {
        if (i > 0) out += ", ";
        if (record.kind == CallKind::Wait) {
            AppendInt(out, Low(record.args[i]));
        } else if (record.op != nullptr) {
            AppendArg(out, record.op->args[i], record.args[i], style);
        }
    }
}

bool HasResult(const CallRecord& record) {
    return record.kind == CallKind::Operation && record.op != nullptr &&
           record.op->result != ResultKind::None;
}

void AppendResult(std::string& out, const CallRecord& record, ValueStyle style) {
    if (!HasResult(record)) {
        out += "null";
        return;
    }
    switch (record.op->result) {
        case ResultKind::None: out += "null"; break;
        case ResultKind::Int:
        case ResultKind::Bool: AppendInt(out, static_cast<std::int32_t>(Low(record.result[0]))); break;
        case ResultKind::Float: AppendSlotFloat(out, record.result[0], style); break;
        case ResultKind::Position:
            out += '[';
            AppendSlotFloat(out, record.result[0], style);
            out += ", ";
            AppendSlotFloat(out, record.result[1], style);
            out += ", ";
            AppendSlotFloat(out, record.result[2], style);
            out += ']';
            break;
    }
}

}  // namespace thornbrake::sim
