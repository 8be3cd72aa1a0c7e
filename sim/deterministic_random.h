// The world's own random numbers: splitmix64 in explicit 64-bit arithmetic,
// so a seed gives the same sequence with every compiler and standard library
// (the standard distributions are implementation-defined).
#pragma once

#include <cstdint>

namespace thornbrake::sim {

class DeterministicRandom {
public:
    explicit DeterministicRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // Uniform over [low, high], both ends included; `low` when the range is
    // empty. The modulo bias is below 2^-31 for any 32-bit range.
    std::int32_t InRange(std::int32_t low, std::int32_t high) {
        if (high <= low) return low;
        const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
        return static_cast<std::int32_t>(low + static_cast<std::int64_t>(Next() % span));
    }

private:
    std::uint64_t state_;
};

}  // namespace thornbrake::sim
