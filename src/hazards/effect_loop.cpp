#include "hazards/effect_loop.h"

#include "hazards/bushes.h"
#include "hazards/cactus_stage.h"
#include "hazards/cholla.h"
#include "hazards/pass_snapshot.h"
#include "settings/settings.h"

namespace thornbrake {

void RunPass(const DamageRolls& rolls) {
    const PassSnapshot snapshot = TakePassSnapshot();
    PassFlags flags{};
    RunCactusStage(snapshot, rolls, flags);
    ChollaContact(snapshot, rolls);
    ChollaLinger(snapshot);
    ChollaMountContact(snapshot, rolls);
    CheckBushes(snapshot, flags);
    scriptWait(0);
}

void EffectLoop() {
    const DamageRolls rolls = RollDamage(gSettings);
    for (;;) RunPass(rolls);
}

}  // namespace thornbrake
