// Small routines every plant stage shares: proximity probes, the pain cry and
// the mission test.
#pragma once

#include "host/game_operations.h"

namespace thornbrake {

// The damage kind of every plant hit.
inline constexpr std::int32_t kPlantDamageKind = 65245;

// Cactus and cholla damage to the character is withheld at or below this
// health unless it is lethal.
inline constexpr std::int32_t kWeakCharacterHealth = 136;

// IsModelNear(x, y, z, radius, model, 0), asked afresh on every call.
bool ModelNearAt(const WorldPosition& at, float radius, ModelHash model);

// The veto query, always with radius 0.7.
bool ModelVetoAt(const WorldPosition& at, ModelHash model);

// PlayPain(character, painId, 25.0, 1, 0).
void PlayPainOn(EntityHandle character, std::int32_t painId);

// MissionQueryA, or else MissionQueryB: B is not asked when A answers true.
bool IsInMission();

// The horse the character rides right now: GetMount(GetPlayerCharacter()),
// looked up immediately before each operation on the horse.
EntityHandle CurrentHorse();

}  // namespace thornbrake
