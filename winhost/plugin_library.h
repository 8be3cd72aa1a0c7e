// The plugin DLL loaded into this process the way an ASI loader does it:
// LoadLibrary runs its static initialisers (the settings reads) and then its
// DllMain (registration with the host); FreeLibrary runs DllMain's detach
// (unregistration) and unmaps it.
#pragma once

#include <filesystem>

namespace thornbrake::winhost {

class PluginLibrary {
public:
    // Throws std::runtime_error naming the file and Windows' reason.
    explicit PluginLibrary(const std::filesystem::path& path);
    // Unloads if Unload() was not called.
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // FreeLibrary; throws std::runtime_error if Windows refuses or the module
    // is still mapped afterwards (so a reload would not start afresh).
    void Unload();

private:
    std::filesystem::path path_;
    void* module_ = nullptr;  // the HMODULE; windows.h stays out of this header
};

}  // namespace thornbrake::winhost
