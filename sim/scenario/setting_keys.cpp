#include "sim/scenario/setting_keys.h"

#include <array>

#include "settings/profile_reader.h"
#include "settings/settings.h"

namespace thornbrake::scenario {
namespace {

// What the tools add to each of the plugin's settings, in the same order.
struct KeyNotes {
    SettingUse use;
    std::string_view meaning;
};
constexpr std::array<KeyNotes, kSettingLocations.size()> kNotes = {{
    {SettingUse::Modifier, "Scales the character's health damage from cacti and cholla."},  // CactusHealthDamageModifier
    {SettingUse::Modifier, "Scales the character's stamina drain from cacti."},  // CactusStaminaDamageModifier
    {SettingUse::Modifier, "Scales the character's dead-eye drain from cacti."},  // CactusDeadEyeDamageModifier
    {SettingUse::Switch, "1: touching a cholla starts a lingering effect that keeps hurting; 0: it does not."},  // CactusChollaEffect
    {SettingUse::Duration, "How many lingering cholla ticks follow a cholla contact (about half a second each)."},  // CactusChollaEffectDuration
    {SettingUse::Switch, "1: cactus and cholla damage can kill; 0: it stops while health is 136 or less."},  // CactusLethal
    {SettingUse::Modifier, "Scales the horse's health damage from cacti."},  // CactusHorseHealthDamageModifier
    {SettingUse::Modifier, "Scales the horse's stamina drain from cacti."},  // CactusHorseStaminaDamageModifier
    {SettingUse::Switch, "1: cactus damage can kill the horse; 0: it stops while the horse's health is 65 or less."},  // CactusHorseLethal
    {SettingUse::TripChance, "Chance in percent of tripping when running through a bush (doubled when walking exhausted)."},  // TripChance
    {SettingUse::TripCooldown, "After a trip, all plant effects pause for TripCooldown + 1 seconds; none when negative."},  // TripCooldown
    {SettingUse::Switch, "1: cacti hurt during missions too; 0: they only draw a cry (cholla never acts in missions)."},  // ToggleCactusInMission
    {SettingUse::Switch, "1: bushes can trip during missions too; 0: they are ignored in missions."},  // ToggleBushInMission
}};

constexpr std::array<SettingKey, kSettingLocations.size()> kKeys = [] {
    std::array<SettingKey, kSettingLocations.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SettingLocation& at = kSettingLocations[i];
        keys[i] = {at.section, at.key, at.fallback, kNotes[i].use, kNotes[i].meaning};
    }
    return keys;
}();

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
