#include "settings_swap.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace thornbrake::winhost {
namespace {

sim::HostSeam& BoundHost() {
    sim::HostSeam* host = sim::BoundHostSeam();
    if (host == nullptr) throw std::logic_error("SettingsSwap needs a simulated host to stand in front of");
    return *host;
}

}  // namespace

SettingsSwap::SettingsSwap(std::filesystem::path replacement, std::filesystem::path settingsFile)
    : host_(BoundHost()), replacement_(std::move(replacement)), settingsFile_(std::move(settingsFile)) {
    if (!std::filesystem::is_regular_file(replacement_)) {
        throw std::runtime_error(replacement_.string() + ": no such settings file");
    }
    sim::BindHostSeam(this);
}

SettingsSwap::~SettingsSwap() { sim::BindHostSeam(&host_); }

void SettingsSwap::ScriptRegister(ModuleHandle module, ScriptRoutine script) {
    // Called from the plugin's DllMain: nothing may be thrown through it.
    // (CopyFileW, because mingw's std::filesystem::copy_file cannot overwrite.)
    swapped_ = CopyFileW(replacement_.c_str(), settingsFile_.c_str(), FALSE) != 0;
    if (!swapped_) failure_ = settingsFile_.string() + ": cannot replace, error " + std::to_string(GetLastError());
    host_.ScriptRegister(module, script);
}

void SettingsSwap::ThrowUnlessSwapped() const {
    if (!failure_.empty()) throw std::runtime_error(failure_);
    if (!swapped_) throw std::runtime_error("the plugin did not register a script while loading");
}

}  // namespace thornbrake::winhost
