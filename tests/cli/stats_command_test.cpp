// thornbrake-sim stats, end to end, and the statistics it computes.
#include <gtest/gtest.h>

#include <vector>

#include "statistics.h"
#include "tool_runner.h"

namespace thornbrake::cli {
namespace {

using namespace testing_support;

TEST(Statistics, PercentilesInterpolateBetweenRanks) {
    // Ranks 0..4 hold 10..50: p5 sits at rank 0.2, the median at 2, p95 at 3.8.
    const std::vector<double> values = {50, 10, 40, 20, 30};
    const Spread s = SpreadOf(values);
    EXPECT_DOUBLE_EQ(s.mean, 30.0);
    EXPECT_DOUBLE_EQ(s.p5, 12.0);
    EXPECT_DOUBLE_EQ(s.median, 30.0);
    EXPECT_DOUBLE_EQ(s.p95, 48.0);
    EXPECT_DOUBLE_EQ(s.min, 10.0);
    EXPECT_DOUBLE_EQ(s.max, 50.0);
    const std::vector<double> one = {7};
    EXPECT_DOUBLE_EQ(SpreadOf(one).p95, 7.0);
}

// The statistics gather exactly the summaries of single runs of the same
// seeds, however many workers share them out.
TEST(StatsCommand, GathersTheSingleRunsWhateverTheWorkers) {
    const auto folder = ScratchFolder("stats");
    const std::string scenario = Bundled("bush-thicket.toml").string();
    const ToolRun one = RunTool({"stats", scenario, "--runs", "4", "--jobs", "1", "--seed", "11", "--json", "one.json"}, folder);
    const ToolRun two = RunTool({"stats", scenario, "--runs", "4", "--jobs", "3", "--seed", "11", "--json", "two.json",
                                 "--plot", "h.png"},
                                folder);
    ASSERT_EQ(one.exitCode, 0) << one.err;
    ASSERT_EQ(two.exitCode, 0) << two.err;
    const nlohmann::json a = ReadJson(folder / "one.json");
    const nlohmann::json b = ReadJson(folder / "two.json");
    EXPECT_EQ(a["figures"], b["figures"]);
    EXPECT_EQ(a["seeds"], (nlohmann::json{11, 14}));

    std::vector<double> trips;
    for (const char* seed : {"11", "12", "13", "14"}) {
        ASSERT_EQ(RunTool({"run", scenario, "--seed", seed, "--json", "r.json"}, folder).exitCode, 0);
        trips.push_back(ReadJson(folder / "r.json")["summary"]["trips"].get<double>());
    }
    const Spread expected = SpreadOf(trips);
    const nlohmann::json& got = a["figures"]["trips"];
    EXPECT_DOUBLE_EQ(got["mean"].get<double>(), expected.mean);
    EXPECT_DOUBLE_EQ(got["median"].get<double>(), expected.median);
    EXPECT_DOUBLE_EQ(got["min"].get<double>(), expected.min);
    EXPECT_DOUBLE_EQ(got["max"].get<double>(), expected.max);
    EXPECT_EQ(ReadFile(folder / "h.png").substr(1, 3), "PNG");
    // Not a terminal: no progress bar in the captured stderr.
    EXPECT_EQ(two.err.find(" runs"), std::string::npos) << two.err;
}

// Standing in a cactus does not depend on any roll (the still band uses the
// modifiers themselves), so every seed loses the same 20 health (see
// run_command_test.cpp for the count).
TEST(StatsCommand, ASeedIndependentFigureDoesNotSpread) {
    const auto folder = ScratchFolder("stats_still");
    WriteFile(folder / "still.toml",
              "duration = 11\nframe_time = 0.05\n[[plant]]\nmodel = \"cactus-1\"\nat = [0.3, 0]\n");
    const ToolRun run = RunTool({"stats", "still.toml", "--runs", "5", "--json", "s.json"}, folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json health = ReadJson(folder / "s.json")["figures"]["health_lost"];
    for (const char* key : {"mean", "p5", "median", "p95", "min", "max"}) EXPECT_EQ(health[key], 20.0) << key;
}

}  // namespace
}  // namespace thornbrake::cli
