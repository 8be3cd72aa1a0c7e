#include "host/plugin_entry.h"

#include <cstdlib>

#include "hazards/effect_loop.h"
#include "host/platform.h"

namespace thornbrake {

KeyStateTable gKeyStates{};

std::int32_t HandleLibraryNotification(ModuleHandle module, std::uint32_t reason) {
    if (reason == kProcessAttach) {
        scriptRegister(module, &ScriptMain);
        keyboardHandlerRegister(&HandleKeyboardMessage);
    } else if (reason == kProcessDetach) {
        scriptUnregister(module);
        keyboardHandlerUnregister(&HandleKeyboardMessage);
    }
    return 1;
}

void ScriptMain() {
    const std::uint64_t ticks = platform::TickCount64();
    std::srand(static_cast<unsigned>(ticks & 0xFFFFFFFFu));
    EffectLoop();
}

void HandleKeyboardMessage(std::uint32_t key, std::uint16_t /*repeats*/, std::uint8_t /*scanCode*/,
                           std::int32_t /*extended*/, std::int32_t altHeld,
                           std::int32_t previouslyDown, std::int32_t released) {
    if (key >= kKeyStateCount) return;
    KeyState& entry = gKeyStates[key];
    entry.tickMs = platform::TickCount();
    entry.altHeld = altHeld;
    entry.previouslyDown = previouslyDown;
    entry.released = released;
}

}  // namespace thornbrake
