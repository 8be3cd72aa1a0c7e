// The platform seam for the minimal host: a clock that stands still and no
// settings file, so every setting takes its default.
#include "host/platform.h"

namespace thornbrake::platform {

namespace {
constexpr std::uint64_t kFixedTicks = 0x0000000100000005;
}  // namespace

std::uint32_t TickCount() { return static_cast<std::uint32_t>(kFixedTicks); }

std::uint64_t TickCount64() { return kFixedTicks; }

std::int32_t ReadProfileInt(const char*, const char*, std::int32_t fallback, const char*) {
    return fallback;
}

}  // namespace thornbrake::platform
