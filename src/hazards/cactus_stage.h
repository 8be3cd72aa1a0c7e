// The cactus stage of a pass: each cactus model in catalogue order is probed,
// then offered to the mounted reaction, then to the on-foot reaction.
#pragma once

#include "hazards/damage_rolls.h"
#include "hazards/pass_snapshot.h"

namespace thornbrake {

// What the three probes of one cactus model found.
struct CactusProbe {
    bool PlayerNear;  // within 0.6 of the player
    bool MountNear;   // within 0.7 of the horse
    bool Vetoed;      // the veto query answered true: no reaction to this model
};

// Three queries, always, in this order: player, horse, veto.
CactusProbe ProbeCactusModel(const PassSnapshot& snapshot, ModelHash model);

void RunCactusStage(const PassSnapshot& snapshot, const DamageRolls& rolls, PassFlags& flags);

// The two reactions, each in its own file.
void ReactOnFoot(const CactusProbe& probe, const PassSnapshot& snapshot, const DamageRolls& rolls,
                 PassFlags& flags);
void ReactMounted(const PassSnapshot& snapshot, const DamageRolls& rolls, PassFlags& flags);

}  // namespace thornbrake
