#include "hazards/damage_rolls.h"

#include "hazards/saturating.h"
#include "host/game_operations.h"
#include "settings/settings.h"

namespace thornbrake {

std::int32_t ScaleRoll(std::int32_t roll, std::int32_t modifier) {
    return SaturatingMultiply(roll, modifier) / 4;
}

namespace {
std::int32_t Roll(std::int32_t low, std::int32_t high, std::int32_t modifier) {
    return ScaleRoll(RandomIntInRange(low, high), modifier);
}
}  // namespace

DamageRolls RollDamage(const Settings& s) {
    // Aggregate initialisation evaluates in order: one roll per field, in field order.
    return DamageRolls{
        .HealthRollA = Roll(120, 180, s.CactusHealthDamageModifier),
        .HealthRollB = Roll(80, 120, s.CactusHealthDamageModifier),
        .StaminaRollA = static_cast<float>(Roll(65, 95, s.CactusStaminaDamageModifier)),
        .StaminaRollB = static_cast<float>(Roll(35, 55, s.CactusStaminaDamageModifier)),
        .DeadEyeRollA = static_cast<float>(Roll(45, 75, s.CactusDeadEyeDamageModifier)),
        .DeadEyeRollB = static_cast<float>(Roll(25, 45, s.CactusDeadEyeDamageModifier)),
        .HorseHealthRollA = Roll(55, 85, s.CactusHorseHealthDamageModifier),
        .HorseHealthRollB = Roll(35, 55, s.CactusHorseHealthDamageModifier),
        .HorseStaminaRollA = static_cast<float>(Roll(75, 125, s.CactusHorseStaminaDamageModifier)),
        .HorseStaminaRollB = static_cast<float>(Roll(35, 75, s.CactusHorseStaminaDamageModifier)),
    };
}

}  // namespace thornbrake
