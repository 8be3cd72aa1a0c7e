// ScriptHost's in-process library life: the plugin linked into the simulator.
#include "sim/script_host.h"

#include "hazards/cholla.h"
#include "host/plugin_entry.h"
#include "settings/settings.h"

namespace thornbrake::sim {

void ScriptHost::Load(std::optional<std::string> settingsText) {
    if (ScriptLive() || keyboard_ != nullptr) {
        throw HostError("Load while the plugin is still attached: Detach first");
    }
    settingsText_ = std::move(settingsText);
    profileReads_.clear();
    // What the library's static initialisers do when it is mapped afresh.
    gSettings = LoadSettings();
    gChollaState = {};
    gKeyStates = {};
    loaded_ = true;
}

std::int32_t ScriptHost::Notify(std::uint32_t reason) {
    if (reason == kProcessAttach && !loaded_) Load(std::nullopt);
    return HandleLibraryNotification(Module(), reason);
}

void ScriptHost::Attach() { Notify(kProcessAttach); }

void ScriptHost::Detach() { Notify(kProcessDetach); }

}  // namespace thornbrake::sim
