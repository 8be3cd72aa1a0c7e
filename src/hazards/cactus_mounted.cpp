// A horse ridden into a cactus: the horse, not the rider, is agitated and
// loses stamina and, depending on the settings and its health, health.
#include "hazards/cactus_stage.h"
#include "hazards/cholla.h"
#include "hazards/model_catalogue.h"
#include "hazards/plant_probes.h"
#include "settings/settings.h"

namespace thornbrake {

namespace {

constexpr std::int32_t kWeakHorseHealth = 65;

struct MountBand {
    std::int32_t health;
    float stamina;
};

// Tested in this order: below 5.83 the band is Still (< 0.55) or Slow;
// from 5.83 it is Fast up to and including 20.83, and none above.
bool ChooseMountBand(float s, const DamageRolls& r, const Settings& settings, MountBand& band) {
    if (s < 5.83f) {
        if (s < 0.55f) {
            band = {settings.CactusHorseHealthDamageModifier,
                    -static_cast<float>(settings.CactusHorseStaminaDamageModifier)};
        } else {
            band = {r.HorseHealthRollB, -r.HorseStaminaRollB};
        }
        return true;
    }
    if (s > 20.83f) return false;
    band = {r.HorseHealthRollA, -r.HorseStaminaRollA};
    return true;
}

void DamageHorse(std::int32_t amount) {
    ApplyDamageToCharacter(CurrentHorse(), amount, kPlantDamageKind, 0);
}

void AgitateOnly() {
    SetMood(CurrentHorse(), kAgitatedMood);
    scriptWait(3000);
    ClearMood(CurrentHorse());
}

void MountFullHit(const PassSnapshot& s, const MountBand& band, PassFlags& flags) {
    flags.reactedThisPass = true;
    SetMood(CurrentHorse(), kAgitatedMood);
    DamageHorse(band.health);
    ChangeCharacterStamina(CurrentHorse(), band.stamina);
    scriptWait(1000);
    // Reached only with lethal damage switched on.
    if (s.mountHealth <= kWeakHorseHealth) {
        MountHurtResponse(s.mount, 1);
        scriptWait(1000);
    }
}

void MountSoftHit(const PassSnapshot& s, const MountBand& band) {
    SetMood(CurrentHorse(), kAgitatedMood);
    DamageHorse(0);
    ChangeCharacterStamina(CurrentHorse(), band.stamina);
    scriptWait(1000);
    MountHurtResponse(s.mount, 0);
    scriptWait(1000);
    ClearMood(CurrentHorse());
}

void ChollaMountHits(const DamageRolls& rolls, bool lethal) {
    constexpr float kChollaHorseStamina = -500.0f;
    SetMood(CurrentHorse(), kAgitatedMood);
    if (lethal) {
        DamageHorse(rolls.HorseHealthRollA);
        ChangeCharacterStamina(CurrentHorse(), kChollaHorseStamina);
        scriptWait(2000);
        DamageHorse(rolls.HorseHealthRollB);
        ChangeCharacterStamina(CurrentHorse(), kChollaHorseStamina);
        scriptWait(2000);
        MountFinalResponse(CurrentHorse());
    } else {
        for (int step = 0; step < 3; ++step) {
            DamageHorse(0);
            ChangeCharacterStamina(CurrentHorse(), kChollaHorseStamina);
            scriptWait(2000);
        }
    }
    ClearMood(CurrentHorse());
}

}  // namespace

void ReactMounted(const PassSnapshot& s, const DamageRolls& rolls, PassFlags& flags) {
    if (!IsCharacterOnMount(GetPlayerCharacter())) return;
    const Settings& settings = gSettings;
    MountBand band;
    if (!ChooseMountBand(s.mountSpeed, rolls, settings, band)) return;
    if (!flags.reactedThisPass) {
        if (IsInMission() && !settings.ToggleCactusInMission) {
            AgitateOnly();
        } else if (settings.CactusHorseLethal || s.mountHealth > kWeakHorseHealth) {
            MountFullHit(s, band, flags);
        } else {
            MountSoftHit(s, band);
        }
    }
    // Every mounted reaction that found a band ends by calming the horse.
    ClearMood(CurrentHorse());
}

void ChollaMountContact(const PassSnapshot& s, const DamageRolls& rolls) {
    constexpr float kMountProbeRadius = 0.7f;
    if (!ModelNearAt(s.mountPosition, kMountProbeRadius, kChollaModel)) return;
    if (!IsCharacterOnMount(GetPlayerCharacter())) return;
    if (s.mountSpeed > 20.83f) return;
    // Never during a mission, whatever the mission toggle says.
    if (IsInMission()) return;
    ChollaMountHits(rolls, gSettings.CactusHorseLethal);
}

}  // namespace thornbrake
