// The ten damage amounts, rolled once each time the effect loop starts.
#pragma once

#include <cstdint>

namespace thornbrake {

struct Settings;

// Magnitudes: the stages apply them as damage or negate them as drains.
struct DamageRolls {
    std::int32_t HealthRollA;
    std::int32_t HealthRollB;
    float StaminaRollA;
    float StaminaRollB;
    float DeadEyeRollA;
    float DeadEyeRollB;
    std::int32_t HorseHealthRollA;
    std::int32_t HorseHealthRollB;
    float HorseStaminaRollA;
    float HorseStaminaRollB;
};

// roll x modifier / 4, truncating toward zero. The product saturates at the
// 32-bit limits, so no modifier can overflow it.
std::int32_t ScaleRoll(std::int32_t roll, std::int32_t modifier);

// Ten RandomIntInRange calls, in the order of the fields above.
DamageRolls RollDamage(const Settings& settings);

}  // namespace thornbrake
