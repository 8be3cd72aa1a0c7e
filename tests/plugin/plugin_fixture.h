// Runs the real plugin in the simulated host and hands back what each pass
// asked of the game, as one text line per call, so a test reads like the
// decision table it checks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "hazards/model_catalogue.h"
#include "sim/script_host.h"

namespace thornbrake::test {

using Lines = std::vector<std::string>;

// World handles and places used throughout: the character stands at
// kPlayerAt, its horse waits far away at kHorseAt unless a test moves it.
inline constexpr std::int32_t kCharacter = 1001;
inline constexpr std::int32_t kHorse = 2002;
inline constexpr std::int32_t kPlayer = 0;
inline constexpr sim::Vec3 kPlayerAt{10, 20, 5};
inline constexpr sim::Vec3 kHorseAt{60, 20, 5};

// The ten damage rolls the fixture forces, and the amounts they give with
// every modifier at 1 (roll / 4, truncated).
inline constexpr std::int32_t kRolls[10] = {160, 100, 80, 40, 60, 36, 80, 44, 100, 52};
inline constexpr std::int32_t kHealthRollA = 40, kHealthRollB = 25;
inline constexpr std::int32_t kStaminaRollA = 20, kStaminaRollB = 10;
inline constexpr std::int32_t kDeadEyeRollA = 15, kDeadEyeRollB = 9;
inline constexpr std::int32_t kHorseHealthRollA = 20, kHorseHealthRollB = 11;
inline constexpr std::int32_t kHorseStaminaRollA = 25, kHorseStaminaRollB = 13;

// The tick count at boot makes the generator's seed 5 (2^32 + 5: only the
// low 32 bits count), so the pain ids of a run are known in advance.
inline constexpr std::uint64_t kBootTick = (1ull << 32) + 5;

class PluginFixture : public testing::Test {
protected:
    PluginFixture();

    sim::WorldState& World() { return host_.State(); }
    sim::ScriptHost& Host() { return host_; }

    // The settings file's text; no file at all unless a test sets one.
    void SetSettings(std::string text) { settings_ = std::move(text); }
    // Trip rolls for the coming passes, in order (then the world's generator).
    void SetTripRolls(std::initializer_list<std::int32_t> rolls) { tripRolls_ = rolls; }

    // Places an object of `model` at the character (or the horse).
    void PlantAtPlayer(ModelHash model, bool vetoed = false);
    void PlantAtHorse(ModelHash model);
    // The rider on its horse, both at kHorseAt, the horse at `speed`.
    void Mount(float speed);

    // Loads and attaches the plugin on first use, then runs `count` passes.
    // Each returned pass holds the calls after its snapshot, up to and
    // including its closing scriptWait(0).
    std::vector<Lines> RunPasses(int count);
    Lines RunPass() { return RunPasses(1).front(); }

private:
    sim::ScriptHost host_;
    std::optional<std::string> settings_;
    std::vector<std::int32_t> tripRolls_;
    bool started_ = false;
    std::size_t traceMark_ = 0;
    int passesRun_ = 0;
};

// The pain id of the n-th pass of a fixture's run (0 first), as the plugin
// draws it from the seed the boot tick gives.
std::int32_t PainId(int pass);

// Leaves out the proximity probes that found nothing, which make up most of
// a pass and say nothing about a reaction.
Lines WithoutMisses(const Lines& pass);

// Concatenates blocks of expected lines.
Lines Join(std::initializer_list<Lines> blocks);

// Expected lines for common call groups.
Lines OnMountCheck(bool onMount);                 // GetPlayerCharacter, IsCharacterOnMount
Lines MissionCheck(bool a, bool b = false);       // MissionQueryA, and B when A is false
Lines BushGates(int openGroups = 5);              // the three live gates, all open
Lines Horse();                                    // GetMount(GetPlayerCharacter()) lookup
std::string Near(const sim::Vec3& at, float radius, ModelHash model, bool hit = true);
std::string Veto(const sim::Vec3& at, ModelHash model, bool hit);
std::string Pain(int pass);
std::string Damage(std::int32_t target, std::int32_t amount, std::int32_t kind,
                   std::int32_t source);
std::string Stamina(std::int32_t entity, float change);
std::string DeadEye(float change);
std::string Wait(std::uint32_t ms);

}  // namespace thornbrake::test
