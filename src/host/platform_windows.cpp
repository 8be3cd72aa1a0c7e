// kernel32 behind the platform seam; compiled into the Windows DLL only.
#include "host/platform.h"

#include <windows.h>

namespace thornbrake::platform {

std::uint32_t TickCount() { return GetTickCount(); }

std::uint64_t TickCount64() { return GetTickCount64(); }

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                            const char* path) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, fallback, path));
}

}  // namespace thornbrake::platform
