// 32-bit results of settings arithmetic that can leave the 32-bit range.
#pragma once

#include <cstdint>
#include <limits>

namespace thornbrake {

constexpr std::int32_t SaturateToInt32(std::int64_t value) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

// The product of two 32-bit values, held at the 32-bit limits instead of
// overflowing.
constexpr std::int32_t SaturatingMultiply(std::int32_t a, std::int32_t b) {
    return SaturateToInt32(static_cast<std::int64_t>(a) * b);
}

}  // namespace thornbrake
