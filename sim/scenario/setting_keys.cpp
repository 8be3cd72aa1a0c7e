#include "sim/scenario/setting_keys.h"

#include <array>

#include "settings/profile_reader.h"

namespace thornbrake::scenario {
namespace {

constexpr std::array<SettingKey, 13> kKeys = {{
    {"PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier", 1, SettingUse::Modifier,
     "Scales the character's health damage from cacti and cholla."},
    {"PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier", 1, SettingUse::Modifier,
     "Scales the character's stamina drain from cacti."},
    {"PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier", 1, SettingUse::Modifier,
     "Scales the character's dead-eye drain from cacti."},
    {"PLAYER_CACTUS_EFFECT", "CactusChollaEffect", 1, SettingUse::Switch,
     "1: touching a cholla starts a lingering effect that keeps hurting; 0: it does not."},
    {"PLAYER_CACTUS_EFFECT", "CactusChollaEffectDuration", 30, SettingUse::Duration,
     "How many lingering cholla ticks follow a cholla contact (about half a second each)."},
    {"PLAYER_CACTUS_EFFECT", "CactusLethal", 0, SettingUse::Switch,
     "1: cactus and cholla damage can kill; 0: it stops while health is 136 or less."},
    {"HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier", 1, SettingUse::Modifier,
     "Scales the horse's health damage from cacti."},
    {"HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier", 1, SettingUse::Modifier,
     "Scales the horse's stamina drain from cacti."},
    {"HORSE_CACTUS_EFFECT", "CactusHorseLethal", 0, SettingUse::Switch,
     "1: cactus damage can kill the horse; 0: it stops while the horse's health is 65 or less."},
    {"BUSH_EFFECT", "TripChance", 15, SettingUse::TripChance,
     "Chance in percent of tripping when running through a bush (doubled when walking exhausted)."},
    {"BUSH_EFFECT", "TripCooldown", 4, SettingUse::TripCooldown,
     "After a trip, all plant effects pause for TripCooldown + 1 seconds; none when negative."},
    {"MISC", "ToggleCactusInMission", 0, SettingUse::Switch,
     "1: cacti hurt during missions too; 0: they only draw a cry (cholla never acts in missions)."},
    {"MISC", "ToggleBushInMission", 0, SettingUse::Switch,
     "1: bushes can trip during missions too; 0: they are ignored in missions."},
}};

constexpr std::array<std::string_view, 4> kSections = {
    "PLAYER_CACTUS_EFFECT", "HORSE_CACTUS_EFFECT", "BUSH_EFFECT", "MISC"};

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

std::span<const std::string_view> SettingSections() { return kSections; }

const SettingKey* FindSettingKey(std::string_view key) {
    for (const SettingKey& entry : kKeys) {
        if (SameProfileName(entry.key, key)) return &entry;
    }
    return nullptr;
}

}  // namespace thornbrake::scenario
