// Linked as a whole archive: the plugin's references to these functions must
// resolve whatever else of the simulator a program uses. It therefore depends
// on nothing but the seam interface.
#include "sim/host_seam.h"

#include <cstdio>
#include <cstdlib>

#include "host/platform.h"

namespace thornbrake::sim {
namespace {

// Constant-initialised, so it is valid during static initialisation.
constinit HostSeam* gSeam = nullptr;

HostSeam& Seam(const char* function) {
    if (gSeam == nullptr) {
        std::fprintf(stderr, "thornbrake simulator: %s called with no simulated host active\n",
                     function);
        std::abort();
    }
    return *gSeam;
}

}  // namespace

HostSeam* BindHostSeam(HostSeam* seam) {
    HostSeam* previous = gSeam;
    gSeam = seam;
    return previous;
}

HostSeam* BoundHostSeam() { return gSeam; }

}  // namespace thornbrake::sim

using thornbrake::sim::Seam;

extern "C" {

void scriptRegister(thornbrake::ModuleHandle module, thornbrake::ScriptRoutine script) {
    Seam("scriptRegister").ScriptRegister(module, script);
}
void scriptUnregister(thornbrake::ModuleHandle module) {
    Seam("scriptUnregister").ScriptUnregister(module);
}
void keyboardHandlerRegister(thornbrake::KeyboardHandler handler) {
    Seam("keyboardHandlerRegister").KeyboardHandlerRegister(handler);
}
void keyboardHandlerUnregister(thornbrake::KeyboardHandler handler) {
    Seam("keyboardHandlerUnregister").KeyboardHandlerUnregister(handler);
}
void scriptWait(std::uint32_t milliseconds) { Seam("scriptWait").ScriptWait(milliseconds); }
void nativeInit(std::uint64_t operation) { Seam("nativeInit").NativeInit(operation); }
void nativePush64(std::uint64_t slot) { Seam("nativePush64").NativePush64(slot); }
std::uint64_t* nativeCall() { return Seam("nativeCall").NativeCall(); }

}  // extern "C"

namespace thornbrake::platform {

std::uint32_t TickCount() { return Seam("GetTickCount").TickCount(); }

std::uint64_t TickCount64() { return Seam("GetTickCount64").TickCount64(); }

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                            const char* path) {
    // The plugin's settings are read by a static initialiser, before main:
    // no host then, so no settings file either.
    if (sim::gSeam == nullptr) return fallback;
    return sim::gSeam->ReadProfileInt(section, key, fallback, path);
}

}  // namespace thornbrake::platform
