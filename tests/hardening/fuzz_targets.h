// The fuzz targets whose corpora the unit suite replays.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace thornbrake::hardening {

struct FuzzTarget {
    const char* name;  // also the folder of its corpus
    std::string (*check)(std::string_view input);
};

std::vector<FuzzTarget> FuzzTargets();

// Names a parameter of the replay test by its target.
inline void PrintTo(const FuzzTarget& target, std::ostream* out) { *out << target.name; }

}  // namespace thornbrake::hardening
