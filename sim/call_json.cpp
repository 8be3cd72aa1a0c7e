#include "sim/call_json.h"

#include <fmt/format.h>

#include "sim/record_values.h"
#include "sim/value_format.h"

namespace thornbrake::sim {

void AppendJsonLine(std::string& out, const CallRecord& record) {
    out += "{\"t\": ";
    AppendInt(out, record.tMs);
    out += ", \"op\": ";
    AppendQuoted(out, RecordName(record));
    if (record.kind == CallKind::Operation && record.op != nullptr) {
        fmt::format_to(std::back_inserter(out), ", \"id\": \"0x{:016X}\"", record.op->id);
    }
    out += ", \"args\": [";
    AppendArgs(out, record, ValueStyle::Json);
    out += ']';
    if (record.kind == CallKind::Operation) {
        out += ", \"ret\": ";
        AppendResult(out, record, ValueStyle::Json);
    }
    out += "}\n";
}

std::string ToJson(const CallRecord& record) {
    std::string line;
    AppendJsonLine(line, record);
    line.pop_back();
    return line;
}

}  // namespace thornbrake::sim
