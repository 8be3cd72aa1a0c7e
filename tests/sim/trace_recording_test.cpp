// Switching the in-memory trace off must not change what the plugin sees.
#include <gtest/gtest.h>

#include "hazards/model_catalogue.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::FixedOptions;

struct Outcome {
    WorldState world;
    std::int64_t nowUs;
    std::size_t traced;
};

// A player walking through a cactus and a horse standing in one: the
// plugin's waits and effects depend on everything it is told.
Outcome RunScene(bool record) {
    HostOptions options = FixedOptions();
    options.recordTrace = record;
    ScriptHost host(options);
    WorldState& w = host.State();
    w.character.speed = 1.5f;
    w.character.maxHealth = 100000;
    w.character.health = 100000;
    w.AddPlant({kCactusModels[2], {0.0f, 0.0f, 0.0f}, false});
    host.SetFrameHook([](WorldState& world, std::int64_t nowUs) {
        world.character.position.x = static_cast<float>(nowUs % 2'000'000) / 1'000'000.0f - 1.0f;
    });
    host.Attach();
    host.RunPasses(200);
    return {host.State(), host.NowUs(), host.GetTrace().size()};
}

TEST(TraceRecording, OffChangesNothingThePluginSees) {
    const Outcome on = RunScene(true);
    const Outcome off = RunScene(false);
    EXPECT_GT(on.traced, 0u);
    EXPECT_EQ(off.traced, 0u);
    EXPECT_EQ(on.nowUs, off.nowUs);
    EXPECT_EQ(on.world.character.health, off.world.character.health);
    EXPECT_EQ(on.world.character.stamina, off.world.character.stamina);
    EXPECT_EQ(on.world.character.deadEye, off.world.character.deadEye);
    EXPECT_EQ(on.world.character.painCries, off.world.character.painCries);
    EXPECT_LT(on.world.character.health, 100000) << "the scene must actually hurt";
}

}  // namespace
}  // namespace thornbrake::sim
