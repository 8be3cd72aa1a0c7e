#include "sim/trace_text.h"

#include "sim/record_values.h"

namespace thornbrake::sim {

std::string ToText(const CallRecord& record) {
    std::string line(RecordName(record));
    line += '(';
    AppendArgs(line, record, ValueStyle::Text);
    line += ')';
    if (HasResult(record)) {
        line += " = ";
        AppendResult(line, record, ValueStyle::Text);
    }
    return line;
}

std::vector<std::string> ToText(std::span<const CallRecord> records) {
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (const CallRecord& record : records) lines.push_back(ToText(record));
    return lines;
}

std::vector<std::vector<std::string>> SplitPasses(std::span<const std::string> lines) {
    std::vector<std::vector<std::string>> passes;
    std::vector<std::string> current;
    for (const std::string& line : lines) {
        current.push_back(line);
        if (line == "scriptWait(0)") {
            passes.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) passes.push_back(std::move(current));
    return passes;
}

}  // namespace thornbrake::sim
