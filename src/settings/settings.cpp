#include "settings/settings.h"

#include <cstddef>

#include "host/platform.h"

namespace thornbrake {
namespace {

// One profile lookup for the n-th setting of kSettingLocations.
std::int32_t ReadInt(std::size_t n) {
    const SettingLocation& at = kSettingLocations[n];
    return platform::ReadProfileInt(at.section, at.key, at.fallback, kSettingsPath);
}

bool ReadFlag(std::size_t n) { return ReadInt(n) != 0; }

}  // namespace

Settings LoadSettings() {
    // Designated initialisers run in declaration order, which is the read
    // order; the numbers are the settings' places in kSettingLocations.
    return Settings{
        .CactusHealthDamageModifier = ReadInt(0),
        .CactusStaminaDamageModifier = ReadInt(1),
        .CactusDeadEyeDamageModifier = ReadInt(2),
        .CactusChollaEffect = ReadFlag(3),
        .CactusChollaEffectDuration = ReadInt(4),
        .CactusLethal = ReadFlag(5),
        .CactusHorseHealthDamageModifier = ReadInt(6),
        .CactusHorseStaminaDamageModifier = ReadInt(7),
        .CactusHorseLethal = ReadFlag(8),
        .TripChance = ReadInt(9),
        .TripCooldown = ReadInt(10),
        .ToggleCactusInMission = ReadFlag(11),
        .ToggleBushInMission = ReadFlag(12),
    };
}

// Runs during the library's static initialisation: on Windows the C runtime's
// DLL start-up runs it before DllMain sees the process attach.
Settings gSettings = LoadSettings();

}  // namespace thornbrake
