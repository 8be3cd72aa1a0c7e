// Bush tripping: moving on foot through certain bushes in one of two speed
// bands can trip the character, at most one evaluation per pass.
#pragma once

#include "hazards/model_catalogue.h"
#include "hazards/pass_snapshot.h"

namespace thornbrake {

// Groups A to E in order.
void CheckBushes(const PassSnapshot& snapshot, PassFlags& flags);

// The live gate, then one probe per listed model.
void ScanBushGroup(const BushGroup& group, const PassSnapshot& snapshot, PassFlags& flags);

// The trip, its damage and the cool-down.
void TripPlayer(EntityHandle character);

}  // namespace thornbrake
