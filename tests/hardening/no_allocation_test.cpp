// The plugin allocates nothing once it runs: the real script (ScriptMain, the
// damage rolls, then pass after pass) runs 10,000 passes against the minimal
// host while every global operator new and delete is counted. The host changes
// the world after every pass so that every kind of reaction takes its turn.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "bench/minimal_host.h"
#include "bench/pass_fixtures.h"
#include "counting_allocator.h"
#include "hazards/model_catalogue.h"
#include "host/plugin_entry.h"

namespace thornbrake::hardening {
namespace {

using bench::HostAnswers;

HostAnswers Touching(ModelHash model, float radius, float speed) {
    HostAnswers answers;
    answers.nearModel = model;
    answers.nearRadius = radius;
    answers.speed = speed;
    return answers;
}

HostAnswers Riding(HostAnswers answers) {
    answers.onMount = true;
    return answers;
}

HostAnswers InMission(HostAnswers answers) {
    answers.inMission = true;
    return answers;
}

HostAnswers Tripping() {
    HostAnswers answers = Touching(kBushGroups[0].models[0], kBushGroups[0].radius, 6.0f);
    answers.playerControlOn = true;
    answers.randomInt = 1;  // below every trip threshold of the default settings
    return answers;
}

// One world per pass, in turn. The cholla on foot arms the lingering effect,
// whose ticks then run in the passes after it.
const std::array<HostAnswers, 9> kWorlds = {
    bench::AnswersFor(bench::PassKind::NothingNear),
    bench::AnswersFor(bench::PassKind::AllBushGatesOpen),
    bench::AnswersFor(bench::PassKind::OneOnFootFullHit),
    Riding(Touching(kCactusModels[2], 0.7f, 3.0f)),
    Touching(kChollaModel, 0.63f, 1.0f),
    Riding(Touching(kChollaModel, 0.7f, 3.0f)),
    Tripping(),
    InMission(Touching(kCactusModels[4], 0.6f, 3.0f)),
    InMission(Riding(Touching(kCactusModels[5], 0.7f, 3.0f))),
};

constexpr std::uint32_t kPasses = 10'000;

// The script never returns: after the last pass the wait throws this, which
// unwinds the plugin's frames back to the test.
struct ScriptStopped {};

struct Run {
    std::uint32_t passes = 0;
    std::array<std::uint32_t, 3001> waitsByMs{};  // every wait the plugin makes is at most 3000 ms
    AllocationCounts counts{};
};
Run gRun;

void OnWait(std::uint32_t milliseconds) {
    if (milliseconds < gRun.waitsByMs.size()) ++gRun.waitsByMs[milliseconds];
    if (milliseconds != 0) return;
    if (++gRun.passes == kPasses) {
        gRun.counts = StopCountingAllocations();
        throw ScriptStopped{};
    }
    bench::SetHostAnswers(kWorlds[gRun.passes % kWorlds.size()]);
}

TEST(NoAllocation, CounterSeesOperatorNew) {
    // Without this, a replacement the linker did not pick would pass the real test.
    // The pointer escapes through a volatile, so the pair cannot be elided.
    static int* volatile held = nullptr;
    StartCountingAllocations();
    held = new int(7);
    delete held;
    const AllocationCounts counts = StopCountingAllocations();
    EXPECT_EQ(counts.allocations, 1u);
    EXPECT_EQ(counts.releases, 1u);
}

TEST(NoAllocation, ScriptRunsTenThousandPassesWithoutAllocating) {
    HandleLibraryNotification(nullptr, kProcessAttach);
    const ScriptRoutine script = bench::RegisteredScript();
    ASSERT_NE(script, nullptr);

    gRun = {};
    bench::SetHostAnswers(kWorlds[0]);
    bench::SetWaitHook(&OnWait);
    StartCountingAllocations();
    EXPECT_THROW(script(), ScriptStopped);
    bench::SetWaitHook(nullptr);
    HandleLibraryNotification(nullptr, kProcessDetach);

    ASSERT_EQ(gRun.passes, kPasses);
    EXPECT_EQ(gRun.counts.allocations, 0u);
    EXPECT_EQ(gRun.counts.releases, 0u);
    // Every kind of reaction happened: on-foot hits (250), horse and cholla
    // hits and trip cool-downs (1000), lingering ticks (500), mounted cholla
    // (2000), trip evaluations (100) and an agitated horse in a mission (3000).
    for (const std::uint32_t ms : {250u, 1000u, 500u, 2000u, 100u, 3000u}) {
        EXPECT_GT(gRun.waitsByMs[ms], 0u) << "no wait of " << ms << " ms";
    }
}

}  // namespace
}  // namespace thornbrake::hardening
