// Replaces the settings file at the very moment the plugin registers its
// script, that is from inside its DllMain. Whatever the plugin goes on to do
// then shows which file it read: a plugin that reads its settings before
// DllMain (in its static initialisers) never sees the replacement.
//
// It sits in front of the simulated host as the bound host seam and passes
// every call on unchanged.
#pragma once

#include <filesystem>
#include <string>

#include "sim/host_seam.h"

namespace thornbrake::winhost {

class SettingsSwap final : public sim::HostSeam {
public:
    // Binds itself in front of the seam bound now (the simulated host).
    SettingsSwap(std::filesystem::path replacement, std::filesystem::path settingsFile);
    // Puts the host back in front.
    ~SettingsSwap();

    // After loading: throws std::runtime_error if the file was not replaced.
    void ThrowUnlessSwapped() const;
    SettingsSwap(const SettingsSwap&) = delete;
    SettingsSwap& operator=(const SettingsSwap&) = delete;

    void ScriptRegister(ModuleHandle module, ScriptRoutine script) override;
    void ScriptUnregister(ModuleHandle module) override { host_.ScriptUnregister(module); }
    void KeyboardHandlerRegister(KeyboardHandler handler) override { host_.KeyboardHandlerRegister(handler); }
    void KeyboardHandlerUnregister(KeyboardHandler handler) override { host_.KeyboardHandlerUnregister(handler); }
    void ScriptWait(std::uint32_t milliseconds) override { host_.ScriptWait(milliseconds); }
    void NativeInit(std::uint64_t operation) override { host_.NativeInit(operation); }
    void NativePush64(std::uint64_t slot) override { host_.NativePush64(slot); }
    std::uint64_t* NativeCall() override { return host_.NativeCall(); }
    std::uint32_t TickCount() override { return host_.TickCount(); }
    std::uint64_t TickCount64() override { return host_.TickCount64(); }
    std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                                const char* path) override {
        return host_.ReadProfileInt(section, key, fallback, path);
    }

private:
    sim::HostSeam& host_;
    std::filesystem::path replacement_;
    std::filesystem::path settingsFile_;
    bool swapped_ = false;
    std::string failure_;
};

}  // namespace thornbrake::winhost
