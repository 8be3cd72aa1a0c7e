// The few operating-system services the plugin needs besides the script host.
//
// The Windows build implements them with kernel32 (platform_windows.cpp); the
// simulated host provides them on Linux, from its own clock and its own copy
// of the settings file.
#pragma once

#include <cstdint>

namespace thornbrake::platform {

// GetTickCount: milliseconds since system start, wrapping at 2^32.
std::uint32_t TickCount();

// GetTickCount64: milliseconds since system start.
std::uint64_t TickCount64();

// GetPrivateProfileIntA: the key's integer value, or `fallback` when the file,
// the section or the key is absent. Windows returns the value modulo 2^32;
// the result here is that pattern read as signed.
std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                            const char* path);

}  // namespace thornbrake::platform
