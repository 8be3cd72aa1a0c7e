// The three ways into the plugin: the library notification (load and unload),
// the script routine the host runs, and the keyboard handler.
#pragma once

#include <array>
#include <cstdint>

#include "host/script_host_api.h"

namespace thornbrake {

// Windows' reasons for calling the library entry point.
inline constexpr std::uint32_t kProcessDetach = 0;
inline constexpr std::uint32_t kProcessAttach = 1;

// What the host last reported for one virtual key.
struct KeyState {
    std::uint32_t tickMs;
    std::int32_t altHeld;
    std::int32_t previouslyDown;
    std::int32_t released;
};

// One entry per virtual-key code 0 to 254. Only the keyboard handler writes
// it; the plugin has no key bindings, so nothing reads it.
inline constexpr std::uint32_t kKeyStateCount = 255;
using KeyStateTable = std::array<KeyState, kKeyStateCount>;
extern KeyStateTable gKeyStates;

// The entry point's work: registers on process attach, unregisters on process
// detach, ignores every other reason. Always reports success (1). DllMain is
// only a forwarder, so the simulated host can load the plugin the same way.
std::int32_t HandleLibraryNotification(ModuleHandle module, std::uint32_t reason);

// The script: seeds the generator from the tick count, then runs the effect
// loop, which never returns.
[[noreturn]] void ScriptMain();

void HandleKeyboardMessage(std::uint32_t key, std::uint16_t repeats, std::uint8_t scanCode,
                           std::int32_t extended, std::int32_t altHeld,
                           std::int32_t previouslyDown, std::int32_t released);

}  // namespace thornbrake
