// The eight functions of the script host, as the plugin calls them.
//
// This is a link-time seam: the plugin only declares them. The Windows build
// resolves them from the host library's import table (the import description
// maps these plain names onto the host's decorated exports); the Linux builds
// link the simulated host's definitions. Nothing is looked up at run time, so
// a call costs exactly what a call to the real host costs.
#pragma once

#include <cstdint>

namespace thornbrake {

// The library's own instance handle, as Windows passes it to the entry point.
using ModuleHandle = void*;

// The script routine the host runs: no parameters, no result.
using ScriptRoutine = void (*)();

// A keyboard message taken apart: virtual-key code, repeat count, scan code,
// then four 32-bit flags (extended key, Alt held, previously down, released).
using KeyboardHandler = void (*)(std::uint32_t key, std::uint16_t repeats, std::uint8_t scanCode,
                                 std::int32_t extended, std::int32_t altHeld,
                                 std::int32_t previouslyDown, std::int32_t released);

}  // namespace thornbrake

extern "C" {
void scriptRegister(thornbrake::ModuleHandle module, thornbrake::ScriptRoutine script);
void scriptUnregister(thornbrake::ModuleHandle module);
void keyboardHandlerRegister(thornbrake::KeyboardHandler handler);
void keyboardHandlerUnregister(thornbrake::KeyboardHandler handler);
// Suspends the script; 0 yields until the host's next turn.
void scriptWait(std::uint32_t milliseconds);
// The three steps of one game-operation call.
void nativeInit(std::uint64_t operation);
void nativePush64(std::uint64_t slot);
std::uint64_t* nativeCall();
}
