// The simulated game world's state: what the game operations answer from and
// what their effects change. Plain data; the simulated host answers the
// operations from it (world.cpp) and a scenario director moves it between
// frames.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace thornbrake::sim {

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// A plant (or any object of a model) somewhere in the world.
struct Plant {
    std::uint32_t model = 0;
    Vec3 position;
    bool vetoed = false;  // ModelVetoQuery reports it when within the radius
};

struct CharacterState {
    std::int32_t handle = 1001;
    Vec3 position;
    float speed = 0.0f;                // metres per second, reported exactly
    std::int32_t health = 300;
    std::int32_t maxHealth = 300;
    float stamina = 100.0f;
    float maxStamina = 100.0f;
    float deadEye = 100.0f;
    float maxDeadEye = 100.0f;
    std::int32_t cores[3] = {100, 100, 100};
    bool onMount = false;              // IsCharacterOnMount

    // What the effects left behind, for scenarios and tests to observe.
    std::int32_t painCries = 0;        // PlayPain calls on the character
    std::int32_t lastPainId = 0;
    std::int32_t trips = 0;            // TripCharacter calls on the character
    std::int64_t trippedAtUs = -1;     // simulated time of the last trip; -1 never
};

struct HorseState {
    std::int32_t handle = 2002;        // GetMount answers this, ridden or not
    Vec3 position;
    float speed = 0.0f;
    std::int32_t health = 200;
    std::int32_t maxHealth = 200;
    float stamina = 100.0f;
    float maxStamina = 100.0f;
    std::string mood;                  // "" when calm

    std::int32_t hurtResponses = 0;    // MountHurtResponse calls on the horse
    std::int32_t lastHurtFlag = 0;     // its flag argument
    std::int32_t finalResponses = 0;   // MountFinalResponse calls on the horse
};

struct WorldState {
    CharacterState character;
    HorseState horse;
    std::int32_t playerIndex = 0;
    bool missionA = false;             // MissionQueryA
    bool missionB = false;             // MissionQueryB
    bool playerControlOn = true;
    bool playerDead = false;           // also true once health reaches 0
    std::vector<Plant> plants;
    // RandomIntInRange answers these first, in order; then the seeded generator.
    std::deque<std::int32_t> forcedRandom;

    // The world answers proximity queries from an index of `plants`, rebuilt
    // when it is stale: adding plants (AddPlant or push_back) or removing
    // them is noticed from the count; after any edit of existing plants
    // (moved, model or veto changed, replaced) call PlantsChanged().
    void AddPlant(const Plant& plant) {
        plants.push_back(plant);
        ++plantsRevision;
    }
    void PlantsChanged() { ++plantsRevision; }
    std::uint64_t plantsRevision = 0;
};

}  // namespace thornbrake::sim
