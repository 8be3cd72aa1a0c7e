// The world's answers to the plugin's actions: clamped gauges, effects on
// unknown handles ignored, counters for what has no gauge.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "host/game_operations.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;

constexpr std::int32_t kCharacter = 1001;
constexpr std::int32_t kHorse = 2002;
constexpr std::int32_t kStranger = 4242;

struct HealthCase {
    const char* name;
    std::int32_t target;
    std::int32_t before;
    std::int32_t amount;
    std::int32_t characterAfter;
    std::int32_t horseAfter;
    bool dead;
};

// Failure messages name the case, not its bytes.
void PrintTo(const HealthCase& c, std::ostream* os) { *os << c.name; }

class DamageClamping : public HostTest, public ::testing::WithParamInterface<HealthCase> {};

TEST_P(DamageClamping, LowersHealthWithinZeroAndMaximum) {
    const HealthCase& c = GetParam();
    host.State().character.health = c.before;
    host.State().horse.health = c.before;
    ApplyDamageToCharacter(c.target, c.amount, 65245, c.target);
    EXPECT_EQ(host.State().character.health, c.characterAfter);
    EXPECT_EQ(host.State().horse.health, c.horseAfter);
    EXPECT_EQ(host.State().playerDead, c.dead);
    EXPECT_EQ(IsPlayerDead(host.State().playerIndex), c.dead);
}

// Character maximum 300, horse maximum 200.
INSTANTIATE_TEST_SUITE_P(
    Health, DamageClamping,
    ::testing::Values(HealthCase{"CharacterHit", kCharacter, 180, 30, 150, 180, false},
                      HealthCase{"CharacterToZeroDies", kCharacter, 180, 1000, 0, 180, true},
                      HealthCase{"ExactlyZeroDies", kCharacter, 30, 30, 0, 30, true},
                      HealthCase{"NegativeHealsUpToMaximum", kCharacter, 280, -50, 300, 280, false},
                      HealthCase{"ExtremeAmountsDoNotOverflow", kCharacter, 180, -2147483647 - 1, 300, 180, false},
                      HealthCase{"HorseHitLeavesPlayerAlive", kHorse, 180, 500, 180, 0, false},
                      HealthCase{"HorseHealsToItsMaximum", kHorse, 180, -100, 180, 200, false},
                      HealthCase{"UnknownHandleChangesNothing", kStranger, 180, 30, 180, 180, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct GaugeCase {
    const char* name;
    std::function<void()> act;
    float character;
    float horse;
    float deadEye;
};

// Failure messages name the case, not its bytes.
void PrintTo(const GaugeCase& c, std::ostream* os) { *os << c.name; }

class GaugeClamping : public HostTest, public ::testing::WithParamInterface<GaugeCase> {};

TEST_P(GaugeClamping, StaminaAndDeadEyeStayWithinZeroAndMaximum) {
    const GaugeCase& c = GetParam();
    WorldState& w = host.State();
    w.character.stamina = 60.0f;
    w.horse.stamina = 60.0f;
    w.horse.maxStamina = 80.0f;
    w.character.deadEye = 60.0f;
    w.playerIndex = 3;
    c.act();
    EXPECT_EQ(w.character.stamina, c.character);
    EXPECT_EQ(w.horse.stamina, c.horse);
    EXPECT_EQ(w.character.deadEye, c.deadEye);
}

INSTANTIATE_TEST_SUITE_P(
    Gauges, GaugeClamping,
    ::testing::Values(
        GaugeCase{"CharacterDrain", [] { ChangeCharacterStamina(kCharacter, -17.0f); }, 43.0f, 60.0f, 60.0f},
        GaugeCase{"CharacterDrainBelowZero", [] { ChangeCharacterStamina(kCharacter, -300.0f); }, 0.0f, 60.0f, 60.0f},
        GaugeCase{"CharacterGainAboveMaximum", [] { ChangeCharacterStamina(kCharacter, 55.0f); }, 100.0f, 60.0f, 60.0f},
        GaugeCase{"HorseDrainBelowZero", [] { ChangeCharacterStamina(kHorse, -500.0f); }, 60.0f, 0.0f, 60.0f},
        GaugeCase{"HorseGainToItsMaximum", [] { ChangeCharacterStamina(kHorse, 30.0f); }, 60.0f, 80.0f, 60.0f},
        GaugeCase{"StaminaOfUnknownHandle", [] { ChangeCharacterStamina(kStranger, -10.0f); }, 60.0f, 60.0f, 60.0f},
        GaugeCase{"DeadEyeDrain", [] { ChangeDeadEye(3, -15.0f); }, 60.0f, 60.0f, 45.0f},
        GaugeCase{"DeadEyeBelowZero", [] { ChangeDeadEye(3, -75.0f); }, 60.0f, 60.0f, 0.0f},
        GaugeCase{"DeadEyeAboveMaximum", [] { ChangeDeadEye(3, 41.0f); }, 60.0f, 60.0f, 100.0f},
        GaugeCase{"DeadEyeOfAnotherPlayer", [] { ChangeDeadEye(0, -15.0f); }, 60.0f, 60.0f, 60.0f}),
    [](const auto& info) { return std::string(info.param.name); });

using WorldEffects = HostTest;

TEST_F(WorldEffects, SetCoreValueSetsOnlyTheCharactersThreeCores) {
    SetCoreValue(kCharacter, 0, 0);
    SetCoreValue(kCharacter, 2, -5);
    SetCoreValue(kCharacter, 3, 1);   // no such core
    SetCoreValue(kCharacter, -1, 1);  // no such core
    SetCoreValue(kHorse, 1, 0);       // not a character
    const std::int32_t* cores = host.State().character.cores;
    EXPECT_EQ(cores[0], 0);
    EXPECT_EQ(cores[1], 100);
    EXPECT_EQ(cores[2], -5);
}

TEST_F(WorldEffects, MoodIsSetAndClearedOnTheHorseOnly) {
    SetMood(kCharacter, kAgitatedMood);
    EXPECT_EQ(host.State().horse.mood, "");
    SetMood(kHorse, kAgitatedMood);
    EXPECT_EQ(host.State().horse.mood, "Agitated");
    ClearMood(kStranger);
    EXPECT_EQ(host.State().horse.mood, "Agitated");
    ClearMood(kHorse);
    EXPECT_EQ(host.State().horse.mood, "");
}

TEST_F(WorldEffects, CriesTripsAndHorseResponsesAreCounted) {
    host.RunFrames(2);
    PlayPain(kCharacter, 5);
    PlayPain(kCharacter, 11);
    PlayPain(kHorse, 4);
    TripCharacter(kCharacter);
    TripCharacter(kStranger);
    MountHurtResponse(kHorse, 1);
    MountHurtResponse(kCharacter, 0);
    MountFinalResponse(kHorse);
    const WorldState& w = host.State();
    EXPECT_EQ(w.character.painCries, 2);
    EXPECT_EQ(w.character.lastPainId, 11);
    EXPECT_EQ(w.character.trips, 1);
    EXPECT_EQ(w.character.trippedAtUs, host.NowUs());
    EXPECT_EQ(w.horse.hurtResponses, 1);
    EXPECT_EQ(w.horse.lastHurtFlag, 1);
    EXPECT_EQ(w.horse.finalResponses, 1);
}

}  // namespace
}  // namespace thornbrake::sim
