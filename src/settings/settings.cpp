#include "settings/settings.h"

#include "host/platform.h"

namespace thornbrake {
namespace {

std::int32_t ReadInt(const char* section, const char* key, std::int32_t fallback) {
    return platform::ReadProfileInt(section, key, fallback, kSettingsPath);
}

bool ReadFlag(const char* section, const char* key, std::int32_t fallback) {
    return ReadInt(section, key, fallback) != 0;
}

}  // namespace

Settings LoadSettings() {
    // Designated initialisers run in declaration order, which is the read order.
    return Settings{
        .CactusHealthDamageModifier = ReadInt("PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier", 1),
        .CactusStaminaDamageModifier = ReadInt("PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier", 1),
        .CactusDeadEyeDamageModifier = ReadInt("PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier", 1),
        .CactusChollaEffect = ReadFlag("PLAYER_CACTUS_EFFECT", "CactusChollaEffect", 1),
        .CactusChollaEffectDuration = ReadInt("PLAYER_CACTUS_EFFECT", "CactusChollaEffectDuration", 30),
        .CactusLethal = ReadFlag("PLAYER_CACTUS_EFFECT", "CactusLethal", 0),
        .CactusHorseHealthDamageModifier =
            ReadInt("HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier", 1),
        .CactusHorseStaminaDamageModifier =
            ReadInt("HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier", 1),
        .CactusHorseLethal = ReadFlag("HORSE_CACTUS_EFFECT", "CactusHorseLethal", 0),
        .TripChance = ReadInt("BUSH_EFFECT", "TripChance", 15),
        .TripCooldown = ReadInt("BUSH_EFFECT", "TripCooldown", 4),
        .ToggleCactusInMission = ReadFlag("MISC", "ToggleCactusInMission", 0),
        .ToggleBushInMission = ReadFlag("MISC", "ToggleBushInMission", 0),
    };
}

// Runs during the library's static initialisation: on Windows the C runtime's
// DLL start-up runs it before DllMain sees the process attach.
Settings gSettings = LoadSettings();

}  // namespace thornbrake
