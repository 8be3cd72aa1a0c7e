// The process's resident memory, as the kernel counts it.
#pragma once

#include <fstream>
#include <unistd.h>

namespace thornbrake::hardening {

// Resident set size in KiB, from /proc/self/statm (its second field counts
// resident pages); -1 when it cannot be read.
inline long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0;
    long residentPages = 0;
    if (!(statm >> sizePages >> residentPages)) return -1;
    return residentPages * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace thornbrake::hardening
