#include "hazards/plant_probes.h"

namespace thornbrake {

namespace {
constexpr float kVetoRadius = 0.7f;
}  // namespace

bool ModelNearAt(const WorldPosition& at, float radius, ModelHash model) {
    return IsModelNear(at.x, at.y, at.z, radius, model);
}

bool ModelVetoAt(const WorldPosition& at, ModelHash model) {
    return ModelVetoQuery(at.x, at.y, at.z, kVetoRadius, model);
}

void PlayPainOn(EntityHandle character, std::int32_t painId) { PlayPain(character, painId); }

bool IsInMission() { return MissionQueryA() || MissionQueryB(); }

EntityHandle CurrentHorse() { return GetMount(GetPlayerCharacter()); }

}  // namespace thornbrake
