// Somewhere the trace streams its records to as they happen, for example a
// JSON Lines file. Text arguments are only valid during Write.
#pragma once

#include "sim/trace_record.h"

namespace thornbrake::sim {

class TraceSink {
public:
    virtual void Write(const CallRecord& record) = 0;

protected:
    ~TraceSink() = default;
};

}  // namespace thornbrake::sim
