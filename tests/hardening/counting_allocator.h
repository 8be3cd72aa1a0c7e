// Replaces the global operator new and delete with versions that count, while
// a window is open, every allocation and every release in the process.
#pragma once

#include <cstddef>

namespace thornbrake::hardening {

struct AllocationCounts {
    std::size_t allocations;
    std::size_t releases;
};

// Opens the window with both counts at zero.
void StartCountingAllocations();

// Closes the window and returns what happened in it.
AllocationCounts StopCountingAllocations();

}  // namespace thornbrake::hardening
