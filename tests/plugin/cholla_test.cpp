// The cholla cactus on foot: the four contact hits, arming, and the
// lingering ticks that follow for CactusChollaEffectDuration passes.
#include <algorithm>
#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "hazards/cholla.h"
#include "plugin_fixture.h"

namespace thornbrake::test {
namespace {

float Above(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }

Lines ContactHit(int pass, std::int32_t health) {
    return {Pain(pass), Damage(kCharacter, health, 65245, kCharacter), Stamina(kCharacter, -300),
            DeadEye(-300)};
}

// A full tick: cry, then ChollaTick on the character fetched afresh.
Lines Tick(int pass) {
    return {"GetPlayerIndex() = 0",
            "IsPlayerDead(0) = 0",
            Pain(pass),
            fmt::format("GetPlayerCharacter() = {}", kCharacter),
            "SetCoreValue(1001, 0, 0)",
            "SetCoreValue(1001, 1, 0)",
            "SetCoreValue(1001, 2, 0)",
            Damage(kCharacter, 8, 65245, kCharacter),
            Stamina(kCharacter, -300),
            Wait(500)};
}

// A softened tick: the cry and the wait, without ChollaTick.
Lines CryTick(int pass) { return {"GetPlayerIndex() = 0", "IsPlayerDead(0) = 0", Pain(pass), Wait(500)}; }

bool Ticked(const Lines& pass) {
    return std::find(pass.begin(), pass.end(), "SetCoreValue(1001, 0, 0)") != pass.end();
}
bool AskedIfDead(const Lines& pass) {
    return std::find(pass.begin(), pass.end(), "IsPlayerDead(0) = 0") != pass.end() ||
           std::find(pass.begin(), pass.end(), "IsPlayerDead(0) = 1") != pass.end();
}

struct ContactCase {
    const char* name;
    const char* settings;
    std::int32_t health;
    Lines (*contact)();  // the contact stage's calls after the probe and checks
};

std::ostream& operator<<(std::ostream& out, const ContactCase& c) { return out << c.name; }

class ChollaContactDecision : public PluginFixture,
                              public testing::WithParamInterface<ContactCase> {};

TEST_P(ChollaContactDecision, GivesTheRowsHit) {
    const ContactCase& c = GetParam();
    SetSettings(c.settings);
    World().character.health = c.health;
    PlantAtPlayer(kChollaModel);
    const Lines expected = Join({{Near(kPlayerAt, 0.63f, kChollaModel)}, OnMountCheck(false),
                                 MissionCheck(false), c.contact(), BushGates(), {Wait(0)}});
    EXPECT_EQ(WithoutMisses(RunPass()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hits, ChollaContactDecision,
    testing::Values(
        ContactCase{"lethal_arms_before_the_wait",
                    "[PLAYER_CACTUS_EFFECT]\nCactusLethal=1\n", 50,
                    [] { return Join({ContactHit(0, kHealthRollA), {Wait(1000)}, Tick(0)}); }},
        ContactCase{"lethal_without_lingering",
                    "[PLAYER_CACTUS_EFFECT]\nCactusLethal=1\nCactusChollaEffect=0\n", 50,
                    [] { return Join({ContactHit(0, kHealthRollA), {Wait(1000)}}); }},
        ContactCase{"healthy_cries_twice_then_arms", "", 137,
                    [] { return Join({ContactHit(0, kHealthRollA), {Wait(1000), Pain(0)}, Tick(0)}); }},
        ContactCase{"healthy_without_lingering", "[PLAYER_CACTUS_EFFECT]\nCactusChollaEffect=0\n",
                    200, [] { return Join({ContactHit(0, kHealthRollA), {Wait(1000), Pain(0)}}); }},
        ContactCase{"weak_at_136_never_arms", "", 136,
                    [] { return Join({ContactHit(0, 0), {Wait(1000)}}); }},
        ContactCase{"any_non_zero_switch_is_on", "[PLAYER_CACTUS_EFFECT]\nCactusChollaEffect=-2\n",
                    200,
                    [] { return Join({ContactHit(0, kHealthRollA), {Wait(1000), Pain(0)}, Tick(0)}); }}),
    [](const auto& info) { return std::string(info.param.name); });

class Cholla : public PluginFixture {
protected:
    // Healthy enough to stay above the softening threshold through every hit.
    Cholla() { World().character.maxHealth = World().character.health = 10000; }

    void LeaveTheCholla() {
        World().plants.clear();
        World().PlantsChanged();
    }
};

TEST_F(Cholla, ContactAtTopSpeedActsAboveItNot) {
    World().character.speed = 8.33f;
    PlantAtPlayer(kChollaModel);
    EXPECT_TRUE(Ticked(RunPass()));

    World().character.speed = Above(8.33f);
    const Lines pass = WithoutMisses(RunPass());
    // Only the probe and the mount check: no mission query, no hit.
    EXPECT_EQ(Lines(pass.begin(), pass.begin() + 3),
              Join({{Near(kPlayerAt, 0.63f, kChollaModel)}, OnMountCheck(false)}));
    EXPECT_EQ(pass[3], "GetPlayerIndex() = 0") << "the lingering effect goes on";
}

TEST_F(Cholla, MissionStopsContactButNotARunningEffect) {
    SetSettings("[MISC]\nToggleCactusInMission=1\n");
    PlantAtPlayer(kChollaModel);
    RunPass();  // arms
    World().missionB = true;
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(Lines(pass.begin(), pass.begin() + 5),
              Join({{Near(kPlayerAt, 0.63f, kChollaModel)}, OnMountCheck(false),
                    MissionCheck(false, true)}));
    EXPECT_EQ(Lines(pass.begin() + 5, pass.begin() + 15), Tick(1));
}

struct DurationCase {
    std::int32_t duration;
    int ticks;
};

class ChollaDuration : public Cholla, public testing::WithParamInterface<DurationCase> {};

TEST_P(ChollaDuration, TicksThatManyTimesFromTheArmingPass) {
    SetSettings(fmt::format("[PLAYER_CACTUS_EFFECT]\nCactusChollaEffectDuration={}\n",
                            GetParam().duration));
    PlantAtPlayer(kChollaModel);
    std::vector<Lines> passes = RunPasses(1);
    LeaveTheCholla();
    for (Lines& pass : RunPasses(GetParam().ticks + 2)) passes.push_back(std::move(pass));

    int ticks = 0;
    for (std::size_t p = 0; p < passes.size(); ++p) {
        const bool expectTick = static_cast<int>(p) < GetParam().ticks;
        EXPECT_EQ(Ticked(passes[p]), expectTick) << "pass " << p;
        ticks += Ticked(passes[p]) ? 1 : 0;
    }
    EXPECT_EQ(ticks, GetParam().ticks);
    // The pass after the last tick ends the effect without asking anything.
    EXPECT_FALSE(AskedIfDead(passes.back()));
    EXPECT_FALSE(gChollaState.Active);
}

INSTANTIATE_TEST_SUITE_P(Counts, ChollaDuration,
                         testing::Values(DurationCase{30, 30}, DurationCase{1, 1},
                                         DurationCase{0, 0}, DurationCase{-1, 0}),
                         [](const auto& info) {
                             return "duration_" + std::to_string(info.param.duration + 1) + "_minus_1";
                         });

TEST_F(Cholla, StayingInContactReArmsEveryPass) {
    SetSettings("[PLAYER_CACTUS_EFFECT]\nCactusChollaEffectDuration=3\n");
    PlantAtPlayer(kChollaModel);
    int ticks = 0;
    for (const Lines& pass : RunPasses(4)) ticks += Ticked(pass) ? 1 : 0;
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(gChollaState.TickCount, 1);
    LeaveTheCholla();
    // After the last arming pass, N - 1 further ticks.
    for (const Lines& pass : RunPasses(4)) ticks += Ticked(pass) ? 1 : 0;
    EXPECT_EQ(ticks, 4 + 2);
}

TEST_F(Cholla, DeathEndsTheEffectAndKeepsTheCount) {
    PlantAtPlayer(kChollaModel);
    RunPasses(1);
    LeaveTheCholla();
    RunPasses(2);
    ASSERT_EQ(gChollaState.TickCount, 3);
    World().playerDead = true;
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_NE(std::find(pass.begin(), pass.end(), "IsPlayerDead(0) = 1"), pass.end());
    EXPECT_FALSE(Ticked(pass));
    EXPECT_FALSE(gChollaState.Active);
    EXPECT_EQ(gChollaState.TickCount, 3);
    EXPECT_FALSE(AskedIfDead(WithoutMisses(RunPass())));
}

TEST_F(Cholla, TicksGoOnOnHorsebackOnTheCharacterFetchedAfresh) {
    PlantAtPlayer(kChollaModel);
    RunPass();
    Mount(0.0f);
    World().character.handle = 1500;  // the game now reports another handle
    const Lines pass = WithoutMisses(RunPass());
    // The cry goes to the snapshot's character, ChollaTick to the fresh one.
    const Lines tail = {"PlayPain(1500, " + std::to_string(PainId(1)) + ", 25, 1, 0)",
                        "GetPlayerCharacter() = 1500", "SetCoreValue(1500, 0, 0)"};
    EXPECT_NE(std::search(pass.begin(), pass.end(), tail.begin(), tail.end()), pass.end());
}

TEST_F(Cholla, WeakCharacterTicksAreCriesThatStillCount) {
    SetSettings("[PLAYER_CACTUS_EFFECT]\nCactusChollaEffectDuration=2\n");
    PlantAtPlayer(kChollaModel);
    RunPass();
    LeaveTheCholla();
    World().character.health = 136;
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(Lines(pass.begin(), pass.begin() + 4), CryTick(1));
    EXPECT_EQ(gChollaState.TickCount, 2);
}

TEST_F(Cholla, ACactusFullHitDoesNotStopTheChollaSteps) {
    PlantAtPlayer(kCactusModels[0]);
    PlantAtPlayer(kChollaModel);
    const Lines pass = RunPass();
    EXPECT_NE(std::find(pass.begin(), pass.end(), Wait(250)), pass.end());
    EXPECT_NE(std::find(pass.begin(), pass.end(), Wait(1000)), pass.end());
    EXPECT_TRUE(Ticked(pass));
}

TEST_F(Cholla, StateOutlivesARestartOfTheScript) {
    PlantAtPlayer(kChollaModel);
    RunPass();
    LeaveTheCholla();
    RunPass();
    ASSERT_EQ(gChollaState.TickCount, 2);
    // The host unregisters and registers the script again without reloading
    // the library: the effect loop starts over, the lingering effect does not.
    Host().Detach();
    World().forcedRandom.assign(std::begin(kRolls), std::end(kRolls));
    Host().Attach();
    Host().RunPasses(1);
    EXPECT_TRUE(gChollaState.Active);
    EXPECT_EQ(gChollaState.TickCount, 3);
}

}  // namespace
}  // namespace thornbrake::test
