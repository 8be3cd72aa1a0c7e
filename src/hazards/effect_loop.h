// The plugin's whole running behaviour: roll the damage amounts once, then run
// passes without end.
#pragma once

#include "hazards/damage_rolls.h"

namespace thornbrake {

[[noreturn]] void EffectLoop();

// One pass: snapshot, flags cleared, the plant stages in order, the closing
// zero wait.
void RunPass(const DamageRolls& rolls);

}  // namespace thornbrake
