// The thirteen values a user can tune, read once from the settings file while
// the library loads and read-only afterwards.
#pragma once

#include <array>
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

// Where a setting is found in the file, and its value when it is absent.
struct SettingLocation {
    const char* section;
    const char* key;
    std::int32_t fallback;
};

// The thirteen, in the order they are read, which is the order of the
// Settings fields.
inline constexpr std::array<SettingLocation, 13> kSettingLocations = {{
    {"PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier", 1},
    {"PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier", 1},
    {"PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier", 1},
    {"PLAYER_CACTUS_EFFECT", "CactusChollaEffect", 1},
    {"PLAYER_CACTUS_EFFECT", "CactusChollaEffectDuration", 30},
    {"PLAYER_CACTUS_EFFECT", "CactusLethal", 0},
    {"HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier", 1},
    {"HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier", 1},
    {"HORSE_CACTUS_EFFECT", "CactusHorseLethal", 0},
    {"BUSH_EFFECT", "TripChance", 15},
    {"BUSH_EFFECT", "TripCooldown", 4},
    {"MISC", "ToggleCactusInMission", 0},
    {"MISC", "ToggleBushInMission", 0},
}};

// Relative to the process's working directory, as the game is started.
inline constexpr char kSettingsPath[] = ".\\Thornbrake.ini";

// The thirteen reads, one profile lookup each, in the file's documented order.
Settings LoadSettings();

// The process-wide record, filled by a static initialiser before the entry
// point registers anything with the host.
extern Settings gSettings;

}  // namespace thornbrake
