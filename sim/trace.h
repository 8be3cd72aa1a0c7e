// Every host call of a run, in call order: kept in memory (switchable) and
// streamed to an optional sink. Neither setting changes what the plugin sees.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "sim/trace_record.h"
#include "sim/trace_sink.h"

namespace thornbrake::sim {

class Trace {
public:
    // In-memory recording, on by default. Long statistical runs turn it off.
    void SetRecording(bool on) { recording_ = on; }
    bool Recording() const { return recording_; }

    // Not owned; nullptr for none.
    void SetSink(TraceSink* sink) { sink_ = sink; }
    TraceSink* Sink() const { return sink_; }

    // Whether Add does anything at all, so the host can skip building records.
    bool Wanted() const { return recording_ || sink_ != nullptr; }

    // Text arguments are copied: the kept record points at the trace's copy.
    void Add(const CallRecord& record);

    std::span<const CallRecord> Records() const { return records_; }
    // The records from position `from` on (a mark taken with size()).
    std::span<const CallRecord> Since(std::size_t from) const;
    std::size_t size() const { return records_.size(); }
    void Clear() { records_.clear(); }

private:
    const char* Intern(const char* text);

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    bool recording_ = true;
    TraceSink* sink_ = nullptr;
    std::vector<CallRecord> records_;
    // Distinct texts seen; node-based, so the copies never move.
    std::unordered_set<std::string, Hash, std::equal_to<>> texts_;
};

}  // namespace thornbrake::sim
