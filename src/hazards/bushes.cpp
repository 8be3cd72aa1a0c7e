#include "hazards/bushes.h"

#include "hazards/plant_probes.h"
#include "settings/settings.h"

namespace thornbrake {

namespace {

constexpr std::int32_t kTripDamageKind = 1;
constexpr std::uint32_t kEvaluationWaitMs = 100;
constexpr std::uint32_t kCooldownStepMs = 1000;
constexpr float kTiredStamina = 10.0f;

// Asked afresh before every group, never from the snapshot.
bool GateOpen() {
    if (IsInMission() && !gSettings.ToggleBushInMission) return false;
    if (IsCharacterOnMount(GetPlayerCharacter())) return false;
    if (!IsPlayerControlOn(GetPlayerIndex())) return false;
    return true;
}

bool InUpperBand(float speed) { return speed >= 5.27f && speed <= 8.33f; }

bool InLowerBand(float speed, float stamina) {
    return stamina <= kTiredStamina && speed >= 1.38f && speed <= 5.27f;
}

void Evaluate(std::int32_t threshold, const PassSnapshot& s) {
    if (threshold > s.tripRoll) TripPlayer(s.character);
}

}  // namespace

void CheckBushes(const PassSnapshot& snapshot, PassFlags& flags) {
    for (const BushGroup& group : kBushGroups) ScanBushGroup(group, snapshot, flags);
}

void ScanBushGroup(const BushGroup& group, const PassSnapshot& s, PassFlags& flags) {
    if (!GateOpen()) return;
    for (const ModelHash model : group.models) {
        if (!ModelNearAt(s.playerPosition, group.radius, model)) continue;
        if (flags.tripLatch) continue;
        // The latch is set before the wait and whatever the roll gives: a
        // failed roll still uses up the pass's one evaluation.
        if (InUpperBand(s.playerSpeed)) {
            flags.tripLatch = true;
            scriptWait(kEvaluationWaitMs);
            Evaluate(UpperBandThreshold(group, gSettings.TripChance), s);
        } else if (InLowerBand(s.playerSpeed, s.playerStamina)) {
            flags.tripLatch = true;
            scriptWait(kEvaluationWaitMs);
            Evaluate(LowerBandThreshold(gSettings.TripChance), s);
        }
    }
}

void TripPlayer(EntityHandle character) {
    TripCharacter(character);
    ApplyDamageToCharacter(character, 1, kTripDamageKind, 0);
    // TripCooldown + 1 waits; counted in 64 bits so the largest setting cannot
    // overflow the counter. A negative setting means no cool-down.
    const std::int64_t cooldown = gSettings.TripCooldown;
    for (std::int64_t waited = 0; waited <= cooldown; ++waited) scriptWait(kCooldownStepMs);
}

}  // namespace thornbrake
