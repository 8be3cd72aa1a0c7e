// What a pass knows about the world: sampled once when the pass starts and
// never refreshed, however long the pass waits afterwards.
#pragma once

#include <cstdint>

#include "host/game_operations.h"

namespace thornbrake {

struct PassSnapshot {
    EntityHandle character;
    PlayerIndex player;
    EntityHandle mount;
    WorldPosition playerPosition;
    WorldPosition mountPosition;
    float playerSpeed;
    float mountSpeed;
    float playerStamina;
    std::int32_t playerHealth;
    std::int32_t mountHealth;
    std::int32_t tripRoll;
    std::int32_t painId;
};

// The per-pass flags, cleared right after every snapshot.
struct PassFlags {
    bool reactedThisPass;  // a full hit on foot or on the horse has happened
    bool tripLatch;        // the pass's one trip evaluation has begun
};

// Seventeen game operations, then one draw of the standard generator.
PassSnapshot TakePassSnapshot();

// rand() % 3 into the pain identifiers 4, 5 and 11.
std::int32_t PainIdFor(int draw);

}  // namespace thornbrake
