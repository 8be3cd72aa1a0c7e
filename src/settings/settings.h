// The thirteen values a user can tune, read once from the settings file while
// the library loads and read-only afterwards.
#pragma once

#include <cstdint>

namespace thornbrake {

// Field names are the settings file's key names. Integers are kept exactly as
// read (zero and negative values included); a boolean is true for any
// non-zero value.
struct Settings {
    std::int32_t CactusHealthDamageModifier;
    std::int32_t CactusStaminaDamageModifier;
    std::int32_t CactusDeadEyeDamageModifier;
    bool CactusChollaEffect;
    std::int32_t CactusChollaEffectDuration;
    bool CactusLethal;
    std::int32_t CactusHorseHealthDamageModifier;
    std::int32_t CactusHorseStaminaDamageModifier;
    bool CactusHorseLethal;
    std::int32_t TripChance;
    std::int32_t TripCooldown;
    bool ToggleCactusInMission;
    bool ToggleBushInMission;
};

// Relative to the process's working directory, as the game is started.
inline constexpr char kSettingsPath[] = ".\\Thornbrake.ini";

// The thirteen reads, one profile lookup each, in the file's documented order.
Settings LoadSettings();

// The process-wide record, filled by a static initialiser before the entry
// point registers anything with the host.
extern Settings gSettings;

}  // namespace thornbrake
