#include "hazards/cactus_stage.h"

#include "hazards/model_catalogue.h"
#include "hazards/plant_probes.h"

namespace thornbrake {

namespace {
constexpr float kPlayerProbeRadius = 0.6f;
constexpr float kMountProbeRadius = 0.7f;
}  // namespace

CactusProbe ProbeCactusModel(const PassSnapshot& snapshot, ModelHash model) {
    CactusProbe probe;
    probe.PlayerNear = ModelNearAt(snapshot.playerPosition, kPlayerProbeRadius, model);
    probe.MountNear = ModelNearAt(snapshot.mountPosition, kMountProbeRadius, model);
    probe.Vetoed = ModelVetoAt(snapshot.playerPosition, model);
    return probe;
}

void RunCactusStage(const PassSnapshot& snapshot, const DamageRolls& rolls, PassFlags& flags) {
    for (const ModelHash model : kCactusModels) {
        const CactusProbe probe = ProbeCactusModel(snapshot, model);
        if (probe.MountNear && !probe.Vetoed) ReactMounted(snapshot, rolls, flags);
        // Always offered: it turns a rider away by itself.
        ReactOnFoot(probe, snapshot, rolls, flags);
    }
}

}  // namespace thornbrake
