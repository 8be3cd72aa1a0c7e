// Loading, attaching, detaching and reloading the plugin as the host's
// process does, and how the script's start seeds the pain choice.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "hazards/cholla.h"
#include "hazards/model_catalogue.h"
#include "host/plugin_entry.h"
#include "settings/settings.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::FixedOptions;
using testing::HostTest;
using testing::Lines;

using Lifecycle = HostTest;

TEST_F(Lifecycle, AttachRegistersScriptThenKeyboardHandler) {
    EXPECT_EQ(host.Notify(kProcessAttach), 1);
    EXPECT_EQ(Lines(host), (std::vector<std::string>{"scriptRegister()", "keyboardHandlerRegister()"}));
    EXPECT_EQ(host.Status(), ScriptStatus::Registered);
    EXPECT_TRUE(host.KeyboardHandlerRegistered());
}

TEST_F(Lifecycle, DetachUnregistersScriptThenKeyboardHandlerAndTheScriptNeverRunsAgain) {
    host.Attach();
    host.RunPasses(2);
    const std::size_t mark = host.GetTrace().size();
    EXPECT_EQ(host.Notify(kProcessDetach), 1);
    EXPECT_EQ(Lines(host, mark),
              (std::vector<std::string>{"scriptUnregister()", "keyboardHandlerUnregister()"}));
    EXPECT_EQ(host.Status(), ScriptStatus::Unregistered);
    EXPECT_FALSE(host.KeyboardHandlerRegistered());
    const std::int64_t passes = host.PassesCompleted();
    host.RunFrames(10);
    EXPECT_EQ(host.GetTrace().size(), mark + 2);
    EXPECT_EQ(host.PassesCompleted(), passes);
}

TEST_F(Lifecycle, ThreadNotificationsAndUnknownReasonsDoNothingAndSucceed) {
    host.Attach();
    const std::size_t mark = host.GetTrace().size();
    for (const std::uint32_t reason : {2u, 3u, 7u}) EXPECT_EQ(host.Notify(reason), 1) << reason;
    EXPECT_EQ(host.GetTrace().size(), mark);
    EXPECT_EQ(host.Status(), ScriptStatus::Registered);
    EXPECT_TRUE(host.KeyboardHandlerRegistered());
}

TEST_F(Lifecycle, ScriptStartsOnTheFirstFrameAfterAttach) {
    host.RunFrames(4);
    host.Attach();
    host.StepFrame();
    const auto records = host.GetTrace().Records();
    ASSERT_GT(records.size(), 2u);
    EXPECT_EQ(records[2].tMs, 133) << "the first call of the script, at the fifth frame";
    EXPECT_EQ(host.TickCount64Reads(), 1) << "the seed is read once when the script starts";
}

TEST_F(Lifecycle, LoadingAfreshResetsThePluginsProcessWideState) {
    gKeyStates[10].tickMs = 99;
    gChollaState = {true, 12};
    gSettings.TripChance = 99;
    host.Load(std::nullopt);
    EXPECT_EQ(gKeyStates[10].tickMs, 0u);
    EXPECT_FALSE(gChollaState.Active);
    EXPECT_EQ(gChollaState.TickCount, 0);
    EXPECT_EQ(gSettings.TripChance, 15);
}

TEST_F(Lifecycle, AttachWithoutLoadLoadsWithNoSettingsFile) {
    gSettings.TripChance = 99;
    host.Attach();
    EXPECT_EQ(gSettings.TripChance, 15);
    EXPECT_EQ(host.ProfileReads().size(), 13u);
}

TEST_F(Lifecycle, LoadWhileAttachedIsRefused) {
    host.Attach();
    EXPECT_THROW(host.Load(std::nullopt), HostError);
}

TEST_F(Lifecycle, ReloadStartsTheScriptAfreshWithNewRolls) {
    host.Attach();
    host.RunPasses(3);
    host.Detach();
    host.Load(std::nullopt);
    const std::size_t mark = host.GetTrace().size();
    host.Attach();
    host.RunPasses(1);
    const auto passes = SplitPasses(Lines(host, mark));
    ASSERT_FALSE(passes.empty());
    const std::vector<std::string>& first = passes[0];
    ASSERT_GT(first.size(), 12u);
    EXPECT_EQ(first[0], "scriptRegister()");
    EXPECT_EQ(first[1], "keyboardHandlerRegister()");
    for (std::size_t i = 2; i < 12; ++i) EXPECT_TRUE(first[i].starts_with("RandomIntInRange(")) << first[i];
    EXPECT_EQ(host.TickCount64Reads(), 2) << "each start of the script seeds again";
}

TEST(HostInstances, OnlyOneHostAtATime) {
    ScriptHost first(FixedOptions());
    EXPECT_THROW(ScriptHost second(FixedOptions()), HostError);
}

// Pain ids the standard generator gives after srand(seed).
std::vector<std::int32_t> ExpectedPainIds(unsigned seed, std::size_t count) {
    constexpr std::array<std::int32_t, 3> kPainIds = {4, 5, 11};
    std::srand(seed);
    std::vector<std::int32_t> ids;
    for (std::size_t i = 0; i < count; ++i) ids.push_back(kPainIds[static_cast<unsigned>(std::rand()) % 3]);
    return ids;
}

TEST(ScriptSeed, PainChoiceIsSeededWithTheLow32BitsOfTheTickCount) {
    constexpr std::size_t kPasses = 12;
    const std::vector<std::int32_t> expected = ExpectedPainIds(5, kPasses);

    HostOptions options = FixedOptions();
    options.bootTickMs = (std::uint64_t{1} << 32) + 5;
    ScriptHost host(options);
    // Standing in a cactus during a mission: every pass cries once with its
    // pain id and does nothing else.
    WorldState& w = host.State();
    w.missionA = true;
    w.character.speed = 1.0f;
    w.AddPlant({kCactusModels[0], w.character.position, false});
    host.Attach();
    host.RunPasses(kPasses);

    std::vector<std::int32_t> cried;
    for (const CallRecord& r : host.GetTrace().Records()) {
        if (r.kind == CallKind::Operation && r.op->code == OpCode::PlayPain) {
            cried.push_back(static_cast<std::int32_t>(r.args[1]));
        }
    }
    EXPECT_EQ(cried, expected);
}

}  // namespace
}  // namespace thornbrake::sim
