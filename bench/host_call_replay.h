// The floor of a pass: exactly the host calls one real pass made (same
// identifiers, same pushed slots, same count, same waits), issued from a flat
// list with nothing of the plugin in between.
#pragma once

#include <cstdint>
#include <vector>

#include "bench/minimal_host.h"

namespace thornbrake::bench {

class HostCallReplay {
public:
    // Lays out a recording as a replay; throws std::invalid_argument when the
    // calls are not whole game-operation calls and waits.
    explicit HostCallReplay(const std::vector<HostCall>& recording);

    // Issues every call in order. Returns the first result slots folded
    // together, so the caller can keep the reads from being optimised away.
    std::uint64_t Issue() const;

    std::size_t OperationCount() const;

private:
    // One game-operation call or one wait.
    struct Step {
        std::uint64_t operation;  // 0 for a wait
        std::uint32_t pushCount;
        std::uint32_t waitMs;
    };
    std::vector<Step> steps_;
    std::vector<std::uint64_t> slots_;  // every pushed slot, in order
};

// Runs one pass of the plugin against the current answers while recording it.
std::vector<HostCall> RecordOnePass();

}  // namespace thornbrake::bench
