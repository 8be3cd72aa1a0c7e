// thornbrake-sim run, end to end. The small scenarios here are built so that
// their outcome follows from the plugin's rules and the host's time model;
// the expected numbers are worked out in the comments, not copied from a run.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "tool_runner.h"

namespace thornbrake::cli {
namespace {

using namespace testing_support;

// Standing in a cactus with no settings file (every default), at 20 frames
// per second. Speed 0 is the still band: each pass is a full hit of 1 health,
// 1 stamina and 1 dead-eye (the modifiers themselves) and waits 500 ms; the
// closing zero wait takes one more frame, so a pass lasts 550 ms. In 11 s
// passes start at 0, 0.55, ... 10.45 s: 20 hits. Health stays above 136, so
// every one is a full hit.
constexpr char kStillInACactus[] = R"(
duration = 11
frame_time = 0.05
[character]
start = [0, 0]
[[plant]]
model = "cactus-1"
at = [0.3, 0]
)";

double Figure(const nlohmann::json& report, const char* key) { return report["summary"][key].get<double>(); }

TEST(RunCommand, StandingInACactusHitsOncePerPass) {
    const auto folder = ScratchFolder("still_cactus");
    WriteFile(folder / "still.toml", kStillInACactus);
    const ToolRun run = RunTool({"run", "still.toml", "--json", "still.json"}, folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json report = ReadJson(folder / "still.json");
    EXPECT_EQ(Figure(report, "cactus_hits"), 20);
    EXPECT_EQ(Figure(report, "pain_cries"), 20);
    EXPECT_EQ(Figure(report, "health_lost"), 20);
    EXPECT_EQ(Figure(report, "stamina_drained"), 20);
    EXPECT_EQ(Figure(report, "dead_eye_drained"), 20);
    EXPECT_EQ(Figure(report, "final_health"), 280);
    EXPECT_DOUBLE_EQ(Figure(report, "held_seconds"), 10.0);
    // One folded line, in the still band.
    ASSERT_EQ(report["timeline"].size(), 1u);
    EXPECT_EQ(report["timeline"][0]["event"], "cactus_hit");
    EXPECT_EQ(report["timeline"][0]["plant"], "cactus-1");
    EXPECT_EQ(report["timeline"][0]["repeats"], 20);
    EXPECT_NE(run.out.find("cactus-1 at (0.3, 0.0), 0.00 m/s (still band): cactus hit x20"), std::string::npos)
        << run.out;
}

// The same cactus, A without a settings file against B with a health
// modifier of 3: the still band takes the modifier itself, so B loses 3 per
// hit over the same 20 passes (the waits, and so the passes, are the same).
TEST(RunCommand, ComparesTwoSettingsFilesFromTheSameSeed) {
    const auto folder = ScratchFolder("compare");
    WriteFile(folder / "still.toml", kStillInACactus);
    WriteFile(folder / "a.ini", "[BUSH_EFFECT]\nTripChance=15\n");
    WriteFile(folder / "b.ini", "[PLAYER_CACTUS_EFFECT]\nCactusHealthDamageModifier=3\n");
    const ToolRun run =
        RunTool({"run", "still.toml", "--settings", "a.ini", "--vs", "b.ini", "--json", "ab.json"}, folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("B: b.ini: CactusHealthDamageModifier 3"), std::string::npos) << run.out;
    const nlohmann::json report = ReadJson(folder / "ab.json");
    EXPECT_EQ(Figure(report["a"], "health_lost"), 20);
    EXPECT_EQ(Figure(report["b"], "health_lost"), 60);
    EXPECT_EQ(report["difference_b_minus_a"]["health_lost"], 40);
    EXPECT_EQ(report["difference_b_minus_a"]["cactus_hits"], 0);
    EXPECT_EQ(report["difference_b_minus_a"]["stamina_drained"], 0);
    // The printed row: label, A, B, B - A.
    const std::size_t row = run.out.find("health lost");
    ASSERT_NE(row, std::string::npos);
    const std::string line = run.out.substr(row, run.out.find('\n', row) - row);
    EXPECT_NE(line.find("20"), std::string::npos) << line;
    EXPECT_NE(line.find("60"), std::string::npos) << line;
    EXPECT_NE(line.find("+40"), std::string::npos) << line;
}

// Running (6 m/s, the upper band) past three group-A bushes 60 m apart with
// TripChance 101: the threshold 101 beats every roll, so the first pass in
// reach of each bush trips. The character then lies 1.5 s inside the bush
// while the plugin holds 0.1 s + 5 x 1 s of cool-down, so by the next
// evaluation it is long gone: one trip per bush, 1 damage each, 5 s of
// cool-down each, and 3 trips in 40 s are 4.5 per minute.
TEST(RunCommand, CertainTripsOncePerBush) {
    const nlohmann::json report = RunScenarioReport("trips", R"(
duration = 40
[overrides]
TripChance = 101
[[route]]
to = [140, 0]
speed = 6
[[plant]]
model = "bush-A-1"
at = [10, 0]
[[plant]]
model = "bush-A-1"
at = [70, 0]
[[plant]]
model = "bush-A-1"
at = [130, 0]
)");
    EXPECT_EQ(Figure(report, "trips"), 3);
    EXPECT_EQ(Figure(report, "trip_evaluations"), 3);
    EXPECT_EQ(Figure(report, "health_lost"), 3);
    EXPECT_DOUBLE_EQ(Figure(report, "cool_down_seconds"), 15.0);
    EXPECT_DOUBLE_EQ(Figure(report, "trips_per_minute"), 4.5);
    int backOnFeet = 0;
    for (const auto& line : report["timeline"]) backOnFeet += line["event"] == "back_on_feet";
    EXPECT_EQ(backOnFeet, 3);
}

// Walking past a cholla at 2 m/s: it is in reach (0.63 m) for under 0.4 s,
// and the contact alone holds the plugin 1.5 s, so there is one contact. It
// arms 30 ticks (the default duration). With plenty of health every tick
// does its 8 damage: health lost = HealthRollA + 30 x 8, where HealthRollA is
// the first damage roll divided by 4 (modifier 1). Stamina and dead-eye, 100
// each, are emptied by the contact's -300.
TEST(RunCommand, OneChollaContactTicksThirtyTimes) {
    const nlohmann::json report = RunScenarioReport("cholla", R"(
duration = 30
[character]
health = 1000
max_health = 1000
[[route]]
to = [20, 0]
speed = 2
[[plant]]
model = "cholla"
at = [10, 0.5]
)");
    const int healthRollA = report["damage_rolls"][0].get<int>() / 4;
    EXPECT_EQ(Figure(report, "cholla_contacts"), 1);
    EXPECT_EQ(Figure(report, "cholla_ticks"), 30);
    EXPECT_EQ(Figure(report, "health_lost"), healthRollA + 240);
    EXPECT_EQ(Figure(report, "stamina_drained"), 100);
    EXPECT_EQ(Figure(report, "dead_eye_drained"), 100);
    EXPECT_EQ(Figure(report, "pain_cries"), 2 + 30);
}

// A stretch at exactly 5.27 m/s: the plugin must be told exactly the float
// 5.27 (its upper trip band starts there).
TEST(RunCommand, ReportsAnExactSpeedExactly) {
    const auto folder = ScratchFolder("exact_speed");
    WriteFile(folder / "speed.toml", "duration = 1\n[[route]]\nto = [100, 0]\nspeed = 5.27\n");
    const ToolRun run = RunTool({"run", "speed.toml", "--trace", "trace.jsonl"}, folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(ReadFile(folder / "trace.jsonl"));
    std::string line;
    int speeds = 0;
    while (std::getline(lines, line)) {
        const nlohmann::json call = nlohmann::json::parse(line);
        if (call["op"] != "GetEntitySpeed" || call["args"][0] != 1001) continue;
        ++speeds;
        EXPECT_EQ(call["ret"].get<float>(), 5.27f);
    }
    EXPECT_GT(speeds, 20);
}

TEST(RunCommand, TraceIsTheSameWhateverElseIsAskedFor) {
    const auto folder = ScratchFolder("trace_alone");
    const std::string scenario = Bundled("default.toml").string();
    ASSERT_EQ(RunTool({"run", scenario, "--trace", "alone.jsonl"}, folder).exitCode, 0);
    const ToolRun all =
        RunTool({"run", scenario, "--trace", "all.jsonl", "--json", "r.json", "--plot", "r.png"}, folder);
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const std::string alone = ReadFile(folder / "alone.jsonl");
    EXPECT_GT(alone.size(), 100000u);
    EXPECT_TRUE(alone == ReadFile(folder / "all.jsonl"));
    EXPECT_EQ(ReadFile(folder / "r.png").substr(1, 3), "PNG");
    // Only the finished files remain.
    EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"all.jsonl", "alone.jsonl", "r.json", "r.png"}));
}

TEST(RunCommand, ASeedReproducesARun) {
    const auto folder = ScratchFolder("seeds");
    const std::string scenario = Bundled("bush-thicket.toml").string();
    const ToolRun first = RunTool({"run", scenario, "--seed", "7"}, folder);
    const ToolRun again = RunTool({"run", scenario, "--seed", "7"}, folder);
    const ToolRun other = RunTool({"run", scenario, "--seed", "8"}, folder);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
}

// What default.toml is built to show, whatever the seed: one cholla contact
// on foot (the one in the mission stretch is ignored) with its 30 ticks (the
// cacti before it take at most about 200 of the 400 health, so the cholla
// finds more than 136 and arms), a cry in the mission, two horse cactus hits
// (a gallop and a trot) and one horse cholla hit (the ride is after the
// mission; each is over before the horse has left the plant's reach).
TEST(RunCommand, DefaultScenarioMeetsEveryKindOfPlant) {
    const auto folder = ScratchFolder("default");
    for (const char* seed : {"1", "2", "3", "4", "5"}) {
        const ToolRun run = RunTool({"run", Bundled("default.toml").string(), "--seed", seed, "--json", "d.json"}, folder);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json report = ReadJson(folder / "d.json");
        EXPECT_GE(Figure(report, "cactus_hits"), 4) << "seed " << seed;
        EXPECT_GE(Figure(report, "mission_cries"), 1) << "seed " << seed;
        EXPECT_EQ(Figure(report, "cholla_contacts"), 1) << "seed " << seed;
        EXPECT_EQ(Figure(report, "cholla_ticks"), 30) << "seed " << seed;
        EXPECT_GE(Figure(report, "trip_evaluations"), 1) << "seed " << seed;
        EXPECT_EQ(Figure(report, "horse_cactus_hits"), 2) << "seed " << seed;
        EXPECT_EQ(Figure(report, "horse_cholla_hits"), 1) << "seed " << seed;
    }
}

// Turning the lingering effect off in B removes exactly the 30 ticks.
TEST(RunCommand, ComparisonOnTheDefaultScenario) {
    const auto folder = ScratchFolder("compare_default");
    WriteFile(folder / "b.ini", "[PLAYER_CACTUS_EFFECT]\nCactusChollaEffect=0\n");
    const ToolRun run = RunTool({"run", Bundled("default.toml").string(), "--vs", "b.ini", "--json", "ab.json"}, folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json report = ReadJson(folder / "ab.json");
    EXPECT_EQ(Figure(report["a"], "cholla_ticks"), 30);
    EXPECT_EQ(Figure(report["b"], "cholla_ticks"), 0);
    EXPECT_EQ(report["difference_b_minus_a"]["cholla_ticks"], -30);
    EXPECT_EQ(report["a"]["settings"]["values"]["CactusChollaEffect"], 1);
    EXPECT_EQ(report["b"]["settings"]["values"]["CactusChollaEffect"], 0);
}

TEST(RunCommand, EveryBundledScenarioRuns) {
    const auto folder = ScratchFolder("bundled");
    for (const auto& entry : std::filesystem::directory_iterator(Bundled(""))) {
        if (entry.path().extension() != ".toml") continue;
        const ToolRun run = RunTool({"run", entry.path().string()}, folder);
        EXPECT_EQ(run.exitCode, 0) << entry.path() << "\n" << run.err;
        EXPECT_NE(run.out.find("Summary"), std::string::npos) << entry.path();
    }
    const ToolRun check = RunTool({"check-settings", "--strict", Bundled("Thornbrake.ini").string()}, folder);
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

TEST(RunCommand, EveryCommandExplainsItselfWithExamples) {
    const auto folder = ScratchFolder("help");
    for (const char* command : {"run", "stats", "check-settings"}) {
        const ToolRun run = RunTool({command, "--help"}, folder);
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_NE(run.out.find("Examples:"), std::string::npos) << command;
    }
    EXPECT_EQ(RunTool({}, folder).exitCode, 2);
    EXPECT_EQ(RunTool({"run"}, folder).exitCode, 2);
    EXPECT_EQ(RunTool({"run", Bundled("default.toml").string(), "--no-such-option"}, folder).exitCode, 2);
}

}  // namespace
}  // namespace thornbrake::cli
