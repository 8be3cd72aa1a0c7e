// The director against a plain world, without the host: where the character
// and the horse are and what the world reports at given times.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/scenario/scatter.h"
#include "sim/scenario/scenario_director.h"

namespace thornbrake::scenario {
namespace {

constexpr std::int64_t kFrameUs = 10'000;

RouteStep Move(double x, double y, float speed, double pause = 0.0) {
    RouteStep step;
    step.kind = RouteStep::Kind::Move;
    step.to = {x, y, 0.0};
    step.speed = speed;
    step.pause = pause;
    return step;
}
RouteStep Step(RouteStep::Kind kind, double pause = 0.0) {
    RouteStep step;
    step.kind = kind;
    step.pause = pause;
    return step;
}

// A scenario and its director, advanced frame by frame like the host does.
class DirectorFixture : public testing::Test {
protected:
    void Start() {
        director_ = std::make_unique<ScenarioDirector>(scenario_, scenario_.seed);
        director_->SetUp(world_);
        director_->Advance(world_, 0);
    }
    void RunUntil(double seconds) {
        const auto end = static_cast<std::int64_t>(seconds * 1e6 + 0.5);
        while (nowUs_ < end) {
            nowUs_ += kFrameUs;
            director_->Advance(world_, nowUs_);
        }
    }
    bool HasEvent(WorldEvent::Kind kind) const {
        for (const WorldEvent& event : director_->events()) {
            if (event.kind == kind) return true;
        }
        return false;
    }

    Scenario scenario_;
    sim::WorldState world_;
    std::unique_ptr<ScenarioDirector> director_;
    std::int64_t nowUs_ = 0;
};

TEST_F(DirectorFixture, ReportsTheStretchSpeedExactlyAndMovesAtIt) {
    scenario_.route = {Move(10.54, 0.0, 5.27f), Move(10.54, 5.0, 1.0f)};
    Start();
    RunUntil(1.0);
    EXPECT_EQ(world_.character.speed, 5.27f);
    EXPECT_NEAR(world_.character.position.x, 5.27, 1e-4);
    RunUntil(1.99);
    EXPECT_EQ(world_.character.speed, 5.27f);
    // Arrived after 2 s; the next stretch turns north at its own speed.
    RunUntil(3.0);
    EXPECT_EQ(world_.character.speed, 1.0f);
    EXPECT_NEAR(world_.character.position.x, 10.54, 1e-4);
    EXPECT_NEAR(world_.character.position.y, 1.0, 1e-4);
}

TEST_F(DirectorFixture, PausesStandStillAtTheWaypoint) {
    scenario_.route = {Move(2.0, 0.0, 2.0f, 1.5), Step(RouteStep::Kind::Pause, 1.0), Move(4.0, 0.0, 2.0f)};
    Start();
    RunUntil(1.2);
    EXPECT_EQ(world_.character.speed, 0.0f);
    EXPECT_FLOAT_EQ(world_.character.position.x, 2.0f);
    RunUntil(3.4);  // 1 s walking, 1.5 s + 1 s standing
    EXPECT_EQ(world_.character.speed, 0.0f);
    RunUntil(3.6);
    EXPECT_EQ(world_.character.speed, 2.0f);
    EXPECT_NEAR(world_.character.position.x, 2.2, 1e-4);
    RunUntil(10.0);
    EXPECT_EQ(world_.character.speed, 0.0f);
    EXPECT_FLOAT_EQ(world_.character.position.x, 4.0f);
    EXPECT_TRUE(HasEvent(WorldEvent::Kind::RouteFinished));
}

TEST_F(DirectorFixture, TheHorseComesCarriesAndStaysBehind) {
    scenario_.horse.start = {50.0, 50.0, 0.0};
    scenario_.route = {Move(1.0, 0.0, 1.0f), Step(RouteStep::Kind::Mount), Move(11.0, 0.0, 10.0f),
                       Step(RouteStep::Kind::Dismount), Move(12.0, 0.0, 1.0f)};
    Start();
    RunUntil(1.5);
    EXPECT_TRUE(world_.character.onMount);
    EXPECT_EQ(world_.horse.speed, 10.0f);
    EXPECT_EQ(world_.character.speed, 10.0f);
    EXPECT_FLOAT_EQ(world_.horse.position.x, world_.character.position.x);
    EXPECT_FLOAT_EQ(world_.horse.position.y, 0.0f);
    RunUntil(2.5);
    EXPECT_FALSE(world_.character.onMount);
    EXPECT_EQ(world_.horse.speed, 0.0f);
    EXPECT_FLOAT_EQ(world_.horse.position.x, 11.0f);
    EXPECT_GT(world_.character.position.x, 11.0f);
}

TEST_F(DirectorFixture, ATripKnocksTheCharacterDownForTheStun) {
    scenario_.reactions.tripStun = 2.0;
    scenario_.route = {Move(10.0, 0.0, 1.0f)};
    Start();
    RunUntil(1.0);
    // What the world does on TripCharacter.
    world_.character.trips += 1;
    world_.character.trippedAtUs = nowUs_;
    RunUntil(2.9);
    EXPECT_EQ(world_.character.speed, 0.0f);
    EXPECT_NEAR(world_.character.position.x, 1.0, 0.02);
    RunUntil(4.0);
    EXPECT_EQ(world_.character.speed, 1.0f);
    EXPECT_NEAR(world_.character.position.x, 2.0, 0.02);  // two seconds lost
    EXPECT_TRUE(HasEvent(WorldEvent::Kind::TripStunEnded));
}

TEST_F(DirectorFixture, DeathAtATimeStopsEverything) {
    scenario_.deathAt = 2.0;
    scenario_.reactions.staminaRegen = 10.0;
    scenario_.character.stamina = 10.0f;
    scenario_.route = {Move(10.0, 0.0, 1.0f)};
    Start();
    RunUntil(3.0);
    EXPECT_TRUE(world_.playerDead);
    EXPECT_EQ(world_.character.health, 0);
    EXPECT_EQ(world_.character.speed, 0.0f);
    EXPECT_NEAR(world_.character.position.x, 2.0, 0.02);
    EXPECT_NEAR(world_.character.stamina, 30.0f, 0.2f);  // no regeneration once dead
}

TEST_F(DirectorFixture, ADeadHorseThrowsItsRider) {
    scenario_.route = {Step(RouteStep::Kind::Mount), Move(10.0, 0.0, 5.0f)};
    Start();
    RunUntil(0.5);
    ASSERT_TRUE(world_.character.onMount);
    world_.horse.health = 0;
    RunUntil(1.0);
    EXPECT_FALSE(world_.character.onMount);
    EXPECT_EQ(world_.horse.speed, 0.0f);
    EXPECT_EQ(world_.character.speed, 5.0f);  // on foot, along the rest of the route
    EXPECT_TRUE(HasEvent(WorldEvent::Kind::HorseDied));
}

TEST_F(DirectorFixture, MissionsAndControlFollowTheirIntervals) {
    scenario_.missions = {{{1.0, 2.0}, true, false}, {{1.5, 3.0}, false, true}};
    scenario_.controlOff = {{2.5, 2.7}};
    Start();
    struct Expect {
        double t;
        bool a;
        bool b;
        bool control;
    };
    for (const Expect& e : {Expect{0.5, false, false, true}, Expect{1.2, true, false, true},
                            Expect{1.7, true, true, true}, Expect{2.6, false, true, false},
                            Expect{3.5, false, false, true}}) {
        RunUntil(e.t);
        EXPECT_EQ(world_.missionA, e.a) << e.t;
        EXPECT_EQ(world_.missionB, e.b) << e.t;
        EXPECT_EQ(world_.playerControlOn, e.control) << e.t;
    }
}

TEST_F(DirectorFixture, RegenerationIsSlowCappedAndOptional) {
    scenario_.character.stamina = 50.0f;
    scenario_.character.deadEye = 20.0f;
    scenario_.reactions.staminaRegen = 10.0;
    Start();
    RunUntil(2.0);
    EXPECT_NEAR(world_.character.stamina, 70.0f, 0.01f);
    EXPECT_EQ(world_.character.deadEye, 20.0f);
    RunUntil(10.0);
    EXPECT_EQ(world_.character.stamina, 100.0f);
}

TEST(Scatter, PlantsComeFromTheSeedAndStayInTheirArea) {
    Scenario scenario;
    Patch rectangle;
    rectangle.count = 200;
    rectangle.models = {1, 2, 3};
    rectangle.area.min = {10.0, -1.0, 0.0};
    rectangle.area.max = {20.0, 1.0, 0.0};
    Patch circle = rectangle;
    circle.area.circle = true;
    circle.area.centre = {-5.0, 5.0, 0.0};
    circle.area.radius = 2.0;
    scenario.patches = {rectangle, circle};

    const auto plants = AllPlants(scenario, 7);
    ASSERT_EQ(plants.size(), 400u);
    int models[4] = {};
    for (std::size_t i = 0; i < plants.size(); ++i) {
        const PlacedPlant& p = plants[i];
        ++models[p.model];
        if (i < 200) {
            EXPECT_TRUE(p.at.x >= 10.0 && p.at.x < 20.0 && p.at.y >= -1.0 && p.at.y < 1.0);
        } else {
            EXPECT_LE(std::hypot(p.at.x + 5.0, p.at.y - 5.0), 2.0);
        }
    }
    for (int m = 1; m <= 3; ++m) EXPECT_GT(models[m], 80) << "model " << m << " hardly drawn";

    const auto again = AllPlants(scenario, 7);
    const auto other = AllPlants(scenario, 8);
    int same = 0;
    int moved = 0;
    for (std::size_t i = 0; i < plants.size(); ++i) {
        same += again[i].at.x == plants[i].at.x && again[i].model == plants[i].model;
        moved += other[i].at.x != plants[i].at.x;
    }
    EXPECT_EQ(same, 400);
    EXPECT_GT(moved, 390);
}

}  // namespace
}  // namespace thornbrake::scenario
