// The world's answers to the plugin's queries: entities by handle, plants by
// model and distance, the seeded random numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <set>
#include <vector>

#include "host/game_operations.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::FixedOptions;
using testing::HostTest;

constexpr std::uint32_t kModel = 0xED9C32CC;
constexpr std::uint32_t kOtherModel = 0x60A81CC4;

using WorldQueries = HostTest;

TEST_F(WorldQueries, EntitiesAnswerByHandleAndUnknownHandlesAnswerZero) {
    WorldState& w = host.State();
    w.character.position = {1.5f, -2.0f, 3.25f};
    w.character.speed = 1.38f;
    w.character.health = 137;
    w.character.stamina = 12.5f;
    w.horse.position = {-7.0f, 8.0f, 0.5f};
    w.horse.speed = 20.83f;
    w.horse.health = 65;
    w.horse.stamina = 44.0f;
    w.character.onMount = true;

    const WorldPosition p = GetEntityPosition(1001);
    EXPECT_EQ((std::vector<float>{p.x, p.y, p.z}), (std::vector<float>{1.5f, -2.0f, 3.25f}));
    const WorldPosition h = GetEntityPosition(2002);
    EXPECT_EQ((std::vector<float>{h.x, h.y, h.z}), (std::vector<float>{-7.0f, 8.0f, 0.5f}));
    EXPECT_EQ(GetEntitySpeed(1001), 1.38f);
    EXPECT_EQ(GetEntitySpeed(2002), 20.83f);
    EXPECT_EQ(GetEntityHealth(1001), 137);
    EXPECT_EQ(GetEntityHealth(2002), 65);
    EXPECT_EQ(GetCharacterStamina(1001), 12.5f);
    EXPECT_TRUE(IsCharacterOnMount(1001));
    EXPECT_FALSE(IsCharacterOnMount(2002));

    const WorldPosition none = GetEntityPosition(5);
    EXPECT_EQ((std::vector<float>{none.x, none.y, none.z}), (std::vector<float>{0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(GetEntitySpeed(5), 0.0f);
    EXPECT_EQ(GetEntityHealth(5), 0);
    EXPECT_EQ(GetCharacterStamina(5), 0.0f);
    EXPECT_FALSE(IsCharacterOnMount(5));
}

TEST_F(WorldQueries, GetMountAnswersTheCharactersHorseWhoeverAsks) {
    host.State().character.onMount = false;
    EXPECT_EQ(GetMount(1001), 2002);
    EXPECT_EQ(GetMount(0), 2002);
}

TEST_F(WorldQueries, PlayerStateQueriesAnswerForThePlayersIndexOnly) {
    WorldState& w = host.State();
    w.playerIndex = 2;
    EXPECT_EQ(GetPlayerIndex(), 2);
    EXPECT_TRUE(IsPlayerControlOn(2));
    EXPECT_FALSE(IsPlayerControlOn(0));
    w.playerControlOn = false;
    EXPECT_FALSE(IsPlayerControlOn(2));

    EXPECT_FALSE(IsPlayerDead(2));
    w.character.health = 0;
    EXPECT_TRUE(IsPlayerDead(2));
    EXPECT_FALSE(IsPlayerDead(1));
    w.character.health = 50;
    w.playerDead = true;
    EXPECT_TRUE(IsPlayerDead(2));
}

TEST_F(WorldQueries, MissionQueriesAnswerTheirOwnFlag) {
    host.State().missionB = true;
    EXPECT_FALSE(MissionQueryA());
    EXPECT_TRUE(MissionQueryB());
}

struct ProximityCase {
    const char* name;
    Vec3 plant;
    std::uint32_t model;
    bool vetoed;
    float radius;
    bool near;
    bool veto;
};

// Failure messages name the case, not its bytes.
void PrintTo(const ProximityCase& c, std::ostream* os) { *os << c.name; }

class PlantProximity : public HostTest, public ::testing::WithParamInterface<ProximityCase> {};

// Queries are centred on (10, 20, 1).
TEST_P(PlantProximity, AnswersByModelAndThreeDimensionalDistanceBoundaryIncluded) {
    const ProximityCase& c = GetParam();
    host.State().AddPlant({c.model, c.plant, c.vetoed});
    EXPECT_EQ(IsModelNear(10.0f, 20.0f, 1.0f, c.radius, kModel), c.near);
    EXPECT_EQ(ModelVetoQuery(10.0f, 20.0f, 1.0f, c.radius, kModel), c.veto);
}

INSTANTIATE_TEST_SUITE_P(
    Plants, PlantProximity,
    ::testing::Values(
        ProximityCase{"AtTheCentre", {10.0f, 20.0f, 1.0f}, kModel, false, 0.6f, true, false},
        ProximityCase{"ExactlyAtTheRadius", {10.5f, 20.0f, 1.0f}, kModel, false, 0.5f, true, false},
        ProximityCase{"JustOutside", {std::nextafter(10.5f, 11.0f), 20.0f, 1.0f}, kModel, false, 0.5f, false, false},
        ProximityCase{"HeightCounts", {10.0f, 20.0f, 1.75f}, kModel, false, 0.7f, false, false},
        ProximityCase{"Diagonal345", {10.0f, 23.0f, 5.0f}, kModel, false, 5.0f, true, false},
        ProximityCase{"OtherModel", {10.0f, 20.0f, 1.0f}, kOtherModel, true, 0.6f, false, false},
        ProximityCase{"VetoedIsNearToo", {10.25f, 20.0f, 1.0f}, kModel, true, 0.7f, true, true},
        ProximityCase{"VetoedOutside", {11.0f, 20.0f, 1.0f}, kModel, true, 0.7f, false, false},
        ProximityCase{"NegativeRadius", {10.0f, 20.0f, 1.0f}, kModel, true, -1.0f, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorldQueries, PlantsAddedOrChangedAfterAQueryAreSeen) {
    WorldState& w = host.State();
    EXPECT_FALSE(IsModelNear(0, 0, 0, 1, kModel));
    w.AddPlant({kModel, {0.5f, 0, 0}, false});
    EXPECT_TRUE(IsModelNear(0, 0, 0, 1, kModel));
    w.plants[0].position.x = 5.0f;  // moved in place
    w.PlantsChanged();
    EXPECT_FALSE(IsModelNear(0, 0, 0, 1, kModel));
    w.plants.push_back({kOtherModel, {0, 0, 0}, false});  // added directly
    EXPECT_TRUE(IsModelNear(0, 0, 0, 1, kOtherModel));
    w.plants[1].model = kModel;  // same count: needs the notice
    w.PlantsChanged();
    EXPECT_TRUE(IsModelNear(0, 0, 0, 1, kModel));
    EXPECT_FALSE(IsModelNear(0, 0, 0, 1, kOtherModel));
    w.plants.clear();
    EXPECT_FALSE(IsModelNear(0, 0, 0, 1, kModel));
}

TEST_F(WorldQueries, RandomIntInRangeAnswersForcedValuesFirst) {
    host.State().forcedRandom = {-1, 500};
    EXPECT_EQ(RandomIntInRange(1, 100), -1);
    EXPECT_EQ(RandomIntInRange(1, 100), 500);
    const std::int32_t drawn = RandomIntInRange(1, 100);
    EXPECT_GE(drawn, 1);
    EXPECT_LE(drawn, 100);
}

TEST_F(WorldQueries, RandomIntInRangeIncludesBothEnds) {
    std::set<std::int32_t> seen;
    for (int i = 0; i < 200; ++i) seen.insert(RandomIntInRange(-1, 1));
    EXPECT_EQ(seen, (std::set<std::int32_t>{-1, 0, 1}));
    EXPECT_EQ(RandomIntInRange(7, 7), 7);
}

std::vector<std::int32_t> Draws(std::uint64_t seed) {
    HostOptions options = FixedOptions();
    options.seed = seed;
    ScriptHost host(options);
    std::vector<std::int32_t> draws;
    for (int i = 0; i < 20; ++i) draws.push_back(RandomIntInRange(0, 1000000));
    return draws;
}

TEST(WorldRandom, TheSeedReproducesTheSequence) {
    EXPECT_EQ(Draws(3), Draws(3));
    EXPECT_NE(Draws(3), Draws(4));
}

}  // namespace
}  // namespace thornbrake::sim
