// The host's clock: fixed frames on an integer microsecond clock; a wait
// resumes the script on the first frame at or after its wake time, never in
// the frame that started the wait.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "host/platform.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::FixedOptions;
using testing::HostTest;
using testing::Lines;
using testing::StartTestScript;

HostOptions WithFrame(std::int64_t frameUs) {
    HostOptions options = FixedOptions();
    options.frameUs = frameUs;
    return options;
}

struct WaitCase {
    const char* name;
    std::int64_t frameUs;
    std::uint32_t waitMs;
    std::int64_t startFrame;      // frames run before the script is registered
    std::int64_t expectedWakeUs;  // time of the frame that resumes the script
};

// Failure messages name the case, not its bytes.
void PrintTo(const WaitCase& c, std::ostream* os) { *os << c.name; }

class WaitResume : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitResume, ResumesOnTheFirstFrameAtOrAfterTheWakeTime) {
    const WaitCase& c = GetParam();
    ScriptHost host(WithFrame(c.frameUs));
    host.RunFrames(c.startFrame);
    std::vector<std::int64_t> resumedAt;
    StartTestScript(host, [&] {
        resumedAt.push_back(host.NowUs());
        scriptWait(c.waitMs);
        resumedAt.push_back(host.NowUs());
        for (;;) scriptWait(1000000);
    });
    host.RunFrames(1 + (static_cast<std::int64_t>(c.waitMs) * 1000) / c.frameUs + 2);
    ASSERT_EQ(resumedAt.size(), 2u);
    EXPECT_EQ(resumedAt[0], c.startFrame * c.frameUs) << "starts on the first frame after registration";
    EXPECT_EQ(resumedAt[1], c.expectedWakeUs);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, WaitResume,
    ::testing::Values(
        // 250 ms from 0 at 33333 us frames: frame 8 (266664) is the first >= 250000.
        WaitCase{"QuarterSecondAtThirtyFps", 33333, 250, 0, 266664},
        // Exactly on a frame boundary: that frame resumes it.
        WaitCase{"WakeTimeOnAFrame", 10000, 250, 0, 250000},
        WaitCase{"WakeTimeOnAFrameLaterStart", 10000, 250, 3, 280000},
        // Zero is one frame, not the same frame again.
        WaitCase{"ZeroIsOneFrame", 33333, 0, 0, 33333},
        WaitCase{"ZeroIsOneFrameLaterStart", 16666, 0, 5, 99996},
        // Shorter than a frame still costs the whole frame.
        WaitCase{"ShorterThanAFrame", 50000, 1, 0, 50000}),
    [](const auto& info) { return std::string(info.param.name); });

using TimeModel = HostTest;

TEST_F(TimeModel, TraceTimesAreWholeSimulatedMillisecondsOfTheCallsFrame) {
    StartTestScript(host, [] {
        for (;;) {
            scriptWait(0);
            scriptWait(100);
        }
    });
    host.RunFrames(8);
    std::vector<std::int64_t> waitTimes;
    for (const CallRecord& r : host.GetTrace().Records()) {
        if (r.kind == CallKind::Wait) waitTimes.push_back(r.tMs);
    }
    // Frames at 0, 33.333, 66.666 ... ms. The 100 ms wait begun at 33.333 ms
    // is due at 133.333 ms: the frame at 133.332 ms is 1 us early, so the
    // frame at 166.665 ms resumes it.
    const std::vector<std::int64_t> expected = {0, 33, 166, 199};
    EXPECT_EQ(waitTimes, expected);
}

TEST_F(TimeModel, FrameHookRunsBeforeEveryFrameAlsoDuringLongWaits) {
    std::vector<std::int64_t> hookTimes;
    std::vector<std::int64_t> scriptSawHandle;
    host.SetFrameHook([&](WorldState& world, std::int64_t nowUs) {
        hookTimes.push_back(nowUs);
        world.character.handle = static_cast<std::int32_t>(hookTimes.size());
    });
    StartTestScript(host, [&] {
        for (;;) {
            scriptSawHandle.push_back(host.State().character.handle);
            scriptWait(60);
        }
    });
    host.RunFrames(6);
    const std::vector<std::int64_t> expectedTimes = {0, 33333, 66666, 99999, 133332, 166665};
    EXPECT_EQ(hookTimes, expectedTimes);
    // Resumed at frames 0, 2 and 4: each time after that frame's hook.
    EXPECT_EQ(scriptSawHandle, (std::vector<std::int64_t>{1, 3, 5}));
}

TEST_F(TimeModel, RunForMsAndRunPassesAdvanceAsAsked) {
    host.Attach();
    host.RunForMs(100);
    // Frames at 0, 33.333, 66.666 and 99.999 ms: the clock is then past 100 ms.
    EXPECT_EQ(host.Frames(), 4);
    EXPECT_EQ(host.NowUs(), 133332);
    const std::int64_t passes = host.PassesCompleted();
    host.RunPasses(5);
    EXPECT_EQ(host.PassesCompleted(), passes + 5);
}

TEST_F(TimeModel, RunPassesWithoutAScriptIsAnError) {
    EXPECT_THROW(host.RunPasses(1), HostError);
}

TEST_F(TimeModel, TickCountsFollowTheClockFromTheBootOffset) {
    host.SetBootTickMs((std::uint64_t{1} << 32) + 10);
    host.RunFrames(3);  // 99.999 ms
    EXPECT_EQ(host.TickCount64Now(), (std::uint64_t{1} << 32) + 10 + 99);
    EXPECT_EQ(thornbrake::platform::TickCount64(), (std::uint64_t{1} << 32) + 109);
    EXPECT_EQ(thornbrake::platform::TickCount(), 109u);
    EXPECT_EQ(host.TickCount64Reads(), 1);
    EXPECT_EQ(host.TickCountReads(), 1);
}

TEST(TimeModelSeed, BootOffsetIsReproducibleFromTheSeed) {
    HostOptions a;
    a.seed = 11;
    std::uint64_t first = 0;
    {
        ScriptHost host(a);
        first = host.BootTickMs();
    }
    ScriptHost again(a);
    EXPECT_EQ(again.BootTickMs(), first);
    EXPECT_EQ(first, BootTickForSeed(11));
    EXPECT_NE(BootTickForSeed(11), BootTickForSeed(12));
}

}  // namespace
}  // namespace thornbrake::sim
