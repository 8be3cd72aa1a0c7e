// The script's first pass: the ten damage rolls with their bounds, the
// seventeen snapshot operations in order with the handles they need, and
// the closing zero wait.
#include <gtest/gtest.h>

#include <algorithm>

#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;
using testing::Lines;

using FirstPass = HostTest;

TEST_F(FirstPass, RollsThenSnapshotThenProbesThenTheZeroWait) {
    WorldState& w = host.State();
    w.character.handle = 31;
    w.horse.handle = -4;
    w.playerIndex = 2;
    w.character.position = {1.5f, 2.5f, -3.0f};
    w.horse.position = {4.0f, 0.25f, 7.0f};
    w.character.speed = 1.38f;
    w.horse.speed = 6.5f;
    w.character.stamina = 55.5f;
    w.character.health = 137;
    w.horse.health = 66;
    w.forcedRandom = {121, 80, 65, 35, 45, 25, 55, 35, 75, 35, 42};
    host.Attach();
    const std::size_t mark = host.GetTrace().size();
    host.RunPasses(1);

    const std::vector<std::string> expected = {
        "RandomIntInRange(120, 180) = 121",
        "RandomIntInRange(80, 120) = 80",
        "RandomIntInRange(65, 95) = 65",
        "RandomIntInRange(35, 55) = 35",
        "RandomIntInRange(45, 75) = 45",
        "RandomIntInRange(25, 45) = 25",
        "RandomIntInRange(55, 85) = 55",
        "RandomIntInRange(35, 55) = 35",
        "RandomIntInRange(75, 125) = 75",
        "RandomIntInRange(35, 75) = 35",
        "GetPlayerCharacter() = 31",
        "GetPlayerIndex() = 2",
        "GetPlayerCharacter() = 31",
        "GetMount(31) = -4",
        "GetPlayerCharacter() = 31",
        "GetEntityPosition(31, 1, 0) = [1.5, 2.5, -3]",
        "GetPlayerCharacter() = 31",
        "GetMount(31) = -4",
        "GetEntityPosition(-4, 1, 0) = [4, 0.25, 7]",
        "GetEntitySpeed(31) = 1.38",
        "GetEntitySpeed(-4) = 6.5",
        "GetCharacterStamina(31) = 55.5",
        "GetEntityHealth(31) = 137",
        "GetPlayerCharacter() = 31",
        "GetMount(31) = -4",
        "GetEntityHealth(-4) = 66",
        "RandomIntInRange(1, 100) = 42",
    };
    const std::vector<std::string> lines = Lines(host, mark);
    ASSERT_GT(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);

    // With nothing near, the rest of the pass only asks questions: no
    // action, no wait.
    const auto rest = std::vector<std::string>(lines.begin() + expected.size(), lines.end() - 1);
    for (const std::string& line : rest) EXPECT_NE(line.find(") = "), std::string::npos) << line;
    EXPECT_EQ(lines.back(), "scriptWait(0)");
    EXPECT_EQ(host.PassesCompleted(), 1);
}

TEST_F(FirstPass, LaterPassesTakeTheSnapshotWithoutRolling) {
    host.Attach();
    host.RunPasses(2);
    const auto passes = SplitPasses(Lines(host));
    ASSERT_EQ(passes.size(), 2u);
    EXPECT_EQ(passes[1].front(), "GetPlayerCharacter() = 1001");
    EXPECT_EQ(std::count_if(passes[1].begin(), passes[1].end(),
                            [](const std::string& l) { return l.starts_with("RandomIntInRange(1, 100)"); }),
              1);
    EXPECT_EQ(std::count_if(passes[0].begin(), passes[0].end(),
                            [](const std::string& l) { return l.starts_with("RandomIntInRange("); }),
              11);
}

}  // namespace
}  // namespace thornbrake::sim
