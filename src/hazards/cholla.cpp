#include "hazards/cholla.h"

#include "hazards/model_catalogue.h"
#include "hazards/plant_probes.h"
#include "settings/settings.h"

namespace thornbrake {

ChollaState gChollaState{};

namespace {

constexpr float kChollaProbeRadius = 0.63f;
constexpr float kChollaTopSpeed = 8.33f;
constexpr float kContactDrain = -300.0f;

void Arm() {
    gChollaState.Active = true;
    gChollaState.TickCount = 0;
}

void ContactHit(const PassSnapshot& s, std::int32_t health) {
    PlayPainOn(s.character, s.painId);
    ApplyDamageToCharacter(s.character, health, kPlantDamageKind, s.character);
    ChangeCharacterStamina(s.character, kContactDrain);
    ChangeDeadEye(s.player, kContactDrain);
}

}  // namespace

void ChollaContact(const PassSnapshot& s, const DamageRolls& rolls) {
    if (!ModelNearAt(s.playerPosition, kChollaProbeRadius, kChollaModel)) return;
    if (IsCharacterOnMount(GetPlayerCharacter())) return;
    if (s.playerSpeed > kChollaTopSpeed) return;
    // No cry either: cholla contact never acts during a mission.
    if (IsInMission()) return;

    const Settings& settings = gSettings;
    if (settings.CactusLethal) {
        ContactHit(s, rolls.HealthRollA);
        if (settings.CactusChollaEffect) Arm();
        scriptWait(1000);
    } else if (s.playerHealth > kWeakCharacterHealth) {
        ContactHit(s, rolls.HealthRollA);
        scriptWait(1000);
        PlayPainOn(s.character, s.painId);
        if (settings.CactusChollaEffect) Arm();
    } else {
        // A weak character is spared the damage and the lingering effect.
        ContactHit(s, 0);
        scriptWait(1000);
    }
}

void ChollaLinger(const PassSnapshot& s) {
    if (!gChollaState.Active) return;
    if (gChollaState.TickCount >= gSettings.CactusChollaEffectDuration) {
        gChollaState.Active = false;
        return;
    }
    if (IsPlayerDead(GetPlayerIndex())) {
        gChollaState.Active = false;
        return;
    }
    PlayPainOn(s.character, s.painId);
    if (gSettings.CactusLethal || s.playerHealth > kWeakCharacterHealth) ChollaTick(GetPlayerCharacter());
    scriptWait(500);
    // Below the duration here, so the increment cannot overflow.
    ++gChollaState.TickCount;
}

void ChollaTick(EntityHandle character) {
    SetCoreValue(character, 0, 0);
    SetCoreValue(character, 1, 0);
    SetCoreValue(character, 2, 0);
    ApplyDamageToCharacter(character, 8, kPlantDamageKind, character);
    ChangeCharacterStamina(character, kContactDrain);
}

}  // namespace thornbrake
