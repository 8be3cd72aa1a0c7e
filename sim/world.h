// The simulated game: answers each game operation from the WorldState and
// applies the effects of the actions to it.
#pragma once

#include <array>
#include <cstdint>

#include "sim/call_decoder.h"
#include "sim/deterministic_random.h"
#include "sim/plant_index.h"
#include "sim/world_state.h"

namespace thornbrake::sim {

// Result slots as the host hands them back: a position fills all three, any
// other result the low 32 bits of the first.
using ResultSlots = std::array<std::uint64_t, 3>;

class World {
public:
    explicit World(std::uint64_t randomSeed) : random_(randomSeed) {}

    WorldState& State() { return state_; }
    const WorldState& State() const { return state_; }

    // Simulated time, for effects that note when they happened.
    void SetNowUs(std::int64_t nowUs) { nowUs_ = nowUs; }

    // Performs one decoded call. `result` is zeroed first.
    void Perform(const DecodedCall& call, ResultSlots& result);

private:
    CharacterState* Character(std::int32_t handle);
    HorseState* Horse(std::int32_t handle);
    Vec3 PositionOf(std::int32_t handle);
    float SpeedOf(std::int32_t handle);
    std::int32_t HealthOf(std::int32_t handle);
    float StaminaOf(std::int32_t handle);
    bool IsPlayer(std::int32_t index) const { return index == state_.playerIndex; }

    std::int32_t RandomIntInRange(std::int32_t low, std::int32_t high);
    void ApplyDamage(std::int32_t target, std::int32_t amount);
    void ChangeStamina(std::int32_t entity, float change);
    void ChangeDeadEye(std::int32_t index, float change);
    void SetCoreValue(std::int32_t character, std::int32_t core, std::int32_t value);
    void PlayPain(std::int32_t character, std::int32_t painId);
    void SetMood(std::int32_t entity, const char* mood);
    void ClearMood(std::int32_t entity);
    void MountHurtResponse(std::int32_t horse, std::int32_t flag);
    void MountFinalResponse(std::int32_t horse);
    void TripCharacter(std::int32_t character);

    WorldState state_;
    PlantIndex plants_;
    DeterministicRandom random_;
    std::int64_t nowUs_ = 0;
};

}  // namespace thornbrake::sim
