// A million passes of the plugin in the simulator, the scenario replayed lap
// after lap, with resident memory measured after the first thousand passes
// and at the end. The plugin allocates nothing and the simulator keeps no
// trace here, so the two must agree to within a small fixed tolerance (pages
// the allocator or the C library touch late, not growth per pass).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "resident_memory.h"
#include "scenario_inputs.h"
#include "sim/scenario/scenario_director.h"
#include "sim/script_host.h"

namespace thornbrake::hardening {
namespace {

constexpr std::int64_t kWarmUpPasses = 1'000;
constexpr std::int64_t kPasses = 1'000'000;
constexpr long kToleranceKiB = 256;

// Replays a scenario for ever: when its duration is over, the world is set up
// afresh by a new director (with the next seed) while the plugin runs on.
class LoopingDirector {
public:
    LoopingDirector(const scenario::Scenario& scenario, std::uint64_t seed)
        : scenario_(scenario),
          seed_(seed),
          lapUs_(static_cast<std::int64_t>(scenario.duration * 1.0e6)),
          director_(std::make_unique<scenario::ScenarioDirector>(scenario, seed)) {}

    void SetUp(sim::WorldState& world) { director_->SetUp(world); }

    void Advance(sim::WorldState& world, std::int64_t nowUs) {
        if (nowUs - lapStartUs_ >= lapUs_) {
            lapStartUs_ = nowUs;
            ++laps_;
            director_ = std::make_unique<scenario::ScenarioDirector>(scenario_, seed_ + laps_);
            director_->SetUp(world);
        }
        director_->Advance(world, nowUs - lapStartUs_);
    }

    std::int64_t laps() const { return laps_; }

private:
    const scenario::Scenario& scenario_;
    std::uint64_t seed_;
    std::int64_t lapUs_;
    std::int64_t lapStartUs_ = 0;
    std::int64_t laps_ = 0;
    std::unique_ptr<scenario::ScenarioDirector> director_;
};

TEST(Soak, MillionPassesKeepResidentMemoryFlat) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "under AddressSanitizer resident memory measures its quarantine";
#endif
    const scenario::Scenario scenario = cli::ReadScenario(THORNBRAKE_SOAK_SCENARIO);
    ASSERT_GT(scenario.duration, 0.0);
    const cli::SettingsChoice settings = cli::ChooseSettings(scenario, "");

    sim::HostOptions options;
    options.seed = scenario.seed;
    options.frameUs = scenario.frameTimeUs;
    options.recordTrace = false;
    sim::ScriptHost host(options);
    host.Load(settings.text);
    LoopingDirector director(scenario, scenario.seed);
    director.SetUp(host.State());
    host.SetFrameHook([&](sim::WorldState& world, std::int64_t nowUs) { director.Advance(world, nowUs); });
    host.Attach();

    host.RunPasses(kWarmUpPasses);
    const long early = ResidentKiB();
    host.RunPasses(kPasses - kWarmUpPasses);
    const long late = ResidentKiB();
    ASSERT_GE(early, 0) << "/proc/self/statm is unreadable";

    const double hours = static_cast<double>(host.NowUs()) / 3.6e9;
    std::printf("soak: %s, %lld passes, %lld laps, %.1f h of game time\n", THORNBRAKE_SOAK_SCENARIO,
                static_cast<long long>(host.PassesCompleted()),
                static_cast<long long>(director.laps()), hours);
    std::printf("soak: resident %ld KiB after %lld passes, %ld KiB after %lld (%+ld KiB, tolerance %ld)\n",
                early, static_cast<long long>(kWarmUpPasses), late, static_cast<long long>(kPasses),
                late - early, kToleranceKiB);
    RecordProperty("resident_kib_after_warm_up", std::to_string(early));
    RecordProperty("resident_kib_at_end", std::to_string(late));

    EXPECT_EQ(host.PassesCompleted(), kPasses);
    EXPECT_GT(director.laps(), 0) << "the scenario never looped: not a soak";
    EXPECT_LE(late - early, kToleranceKiB);
}

}  // namespace
}  // namespace thornbrake::hardening
