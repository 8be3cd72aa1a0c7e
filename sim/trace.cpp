#include "sim/trace.h"

namespace thornbrake::sim {

std::string_view RecordName(const CallRecord& record) {
    switch (record.kind) {
        case CallKind::Operation: return record.op != nullptr ? record.op->name : "?";
        case CallKind::Wait: return "scriptWait";
        case CallKind::ScriptRegister: return "scriptRegister";
        case CallKind::ScriptUnregister: return "scriptUnregister";
        case CallKind::KeyboardHandlerRegister: return "keyboardHandlerRegister";
        case CallKind::KeyboardHandlerUnregister: return "keyboardHandlerUnregister";
    }
    return "?";
}

const char* Trace::Intern(const char* text) {
    const std::string_view view(text);
    auto it = texts_.find(view);
    if (it == texts_.end()) it = texts_.emplace(view).first;
    return it->c_str();
}

void Trace::Add(const CallRecord& record) {
    if (sink_ != nullptr) sink_->Write(record);
    if (!recording_) return;
    records_.push_back(record);
    if (record.kind != CallKind::Operation || record.op == nullptr) return;
    CallRecord& kept = records_.back();
    for (std::size_t i = 0; i < kept.argCount; ++i) {
        if (record.op->args[i] == ArgKind::Text) {
            kept.args[i] = reinterpret_cast<std::uintptr_t>(
                Intern(reinterpret_cast<const char*>(static_cast<std::uintptr_t>(kept.args[i]))));
        }
    }
}

std::span<const CallRecord> Trace::Since(std::size_t from) const {
    const std::span<const CallRecord> all = records_;
    return from >= all.size() ? all.last(0) : all.subspan(from);
}

}  // namespace thornbrake::sim
