// The cholla cactus: a hard contact hit on foot that can start a lingering
// effect, and the mounted cholla hit on the horse.
#pragma once

#include <cstdint>

#include "hazards/damage_rolls.h"
#include "hazards/pass_snapshot.h"

namespace thornbrake {

// The lingering effect. Process-wide: it starts idle when the library loads
// and is not reset when the effect loop starts again.
struct ChollaState {
    bool Active;
    std::int32_t TickCount;  // ticks since the last arming; kept after the effect ends
};
extern ChollaState gChollaState;

// The character on foot within 0.63 of a cholla, outside a mission.
void ChollaContact(const PassSnapshot& snapshot, const DamageRolls& rolls);

// One tick per pass while the effect runs, for CactusChollaEffectDuration ticks.
void ChollaLinger(const PassSnapshot& snapshot);

// The three cores emptied, 8 damage and -300 stamina.
void ChollaTick(EntityHandle character);

// The horse within 0.7 of a cholla while ridden, outside a mission.
void ChollaMountContact(const PassSnapshot& snapshot, const DamageRolls& rolls);

}  // namespace thornbrake
