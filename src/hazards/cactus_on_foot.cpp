// A cactus touched on foot: a cry, a health hit and stamina and dead-eye
// drains sized by the character's speed; softened for a weak character unless
// lethal; a cry alone during a mission unless missions are allowed.
#include "hazards/cactus_stage.h"
#include "hazards/plant_probes.h"
#include "settings/settings.h"

namespace thornbrake {

namespace {

struct OnFootBand {
    std::int32_t health;
    float stamina;
    float deadEye;
    std::uint32_t waitMs;
};

// Fast 1.38 <= s <= 8.33, Slow 0.55 <= s < 1.38, Still s < 0.55; above 8.33
// (or a speed that compares with nothing) there is no reaction.
bool ChooseBand(float s, const DamageRolls& r, const Settings& settings, OnFootBand& band) {
    if (s >= 1.38f && s <= 8.33f) {
        band = {r.HealthRollA, -r.StaminaRollA, -r.DeadEyeRollA, 250};
    } else if (s >= 0.55f && s < 1.38f) {
        band = {r.HealthRollB, -r.StaminaRollB, -r.DeadEyeRollB, 1000};
    } else if (s < 0.55f) {
        // The slowest band uses the raw modifiers, negated as floats.
        band = {settings.CactusHealthDamageModifier,
                -static_cast<float>(settings.CactusStaminaDamageModifier),
                -static_cast<float>(settings.CactusDeadEyeDamageModifier), 500};
    } else {
        return false;
    }
    return true;
}

void Hit(const PassSnapshot& s, std::int32_t health, const OnFootBand& band) {
    PlayPainOn(s.character, s.painId);
    ApplyDamageToCharacter(s.character, health, kPlantDamageKind, s.character);
    ChangeCharacterStamina(s.character, band.stamina);
    ChangeDeadEye(s.player, band.deadEye);
}

}  // namespace

void ReactOnFoot(const CactusProbe& probe, const PassSnapshot& s, const DamageRolls& rolls,
                 PassFlags& flags) {
    if (!probe.PlayerNear || probe.Vetoed) return;
    if (IsCharacterOnMount(GetPlayerCharacter())) return;
    const Settings& settings = gSettings;
    OnFootBand band;
    if (!ChooseBand(s.playerSpeed, rolls, settings, band)) return;
    if (flags.reactedThisPass) return;
    if (IsInMission() && !settings.ToggleCactusInMission) {
        PlayPainOn(s.character, s.painId);
        return;
    }
    if (settings.CactusLethal || s.playerHealth > kWeakCharacterHealth) {
        // Full hit: only one per pass, and it holds the loop for its band's wait.
        flags.reactedThisPass = true;
        Hit(s, band.health, band);
        scriptWait(band.waitMs);
    } else {
        // Soft hit: no health damage, the same drains, no wait.
        Hit(s, 0, band);
    }
}

}  // namespace thornbrake
