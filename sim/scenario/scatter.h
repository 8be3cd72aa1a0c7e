// Plants scattered over patches from the run's seed. The generator is our own
// so that a seed places the same plants with every compiler and standard
// library (the standard distributions are not portable in their output).
#pragma once

#include <cstdint>
#include <vector>

#include "sim/scenario/scenario.h"

namespace thornbrake::scenario {

// SplitMix64: small, fast and fully specified.
class ScatterRandom {
public:
    explicit ScatterRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    double Unit();                        // in [0, 1), 53 random bits
    std::uint32_t Below(std::uint32_t n); // in [0, n), n >= 1

private:
    std::uint64_t state_;
};

// The plants of one patch; `patchIndex` keeps patches apart under one seed.
std::vector<PlacedPlant> ScatterPatch(const Patch& patch, std::uint64_t seed,
                                      std::size_t patchIndex);

// The scenario's placed plants followed by every patch's, in file order.
std::vector<PlacedPlant> AllPlants(const Scenario& scenario, std::uint64_t seed);

}  // namespace thornbrake::scenario
