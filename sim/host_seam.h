// The link-time seam between the plugin and the simulator: the eight script
// host functions and the platform services, defined in host_seam.cpp,
// forward to whichever HostSeam is bound. With none bound, ReadProfileInt
// answers the fallback (it runs during static initialisation, before any
// host exists) and every other function stops the program with a message.
#pragma once

#include <cstdint>

#include "host/script_host_api.h"

namespace thornbrake::sim {

class HostSeam {
public:
    virtual void ScriptRegister(ModuleHandle module, ScriptRoutine script) = 0;
    virtual void ScriptUnregister(ModuleHandle module) = 0;
    virtual void KeyboardHandlerRegister(KeyboardHandler handler) = 0;
    virtual void KeyboardHandlerUnregister(KeyboardHandler handler) = 0;
    virtual void ScriptWait(std::uint32_t milliseconds) = 0;
    virtual void NativeInit(std::uint64_t operation) = 0;
    virtual void NativePush64(std::uint64_t slot) = 0;
    virtual std::uint64_t* NativeCall() = 0;

    virtual std::uint32_t TickCount() = 0;
    virtual std::uint64_t TickCount64() = 0;
    virtual std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                                        const char* path) = 0;

protected:
    ~HostSeam() = default;
};

// Binds `seam` (nullptr unbinds) and returns the one bound before.
HostSeam* BindHostSeam(HostSeam* seam);
HostSeam* BoundHostSeam();

}  // namespace thornbrake::sim
