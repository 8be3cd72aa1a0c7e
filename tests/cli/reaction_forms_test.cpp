// Which form of a reaction the timeline reports, where the form follows from
// a health threshold or a mission. The scenarios are small enough that the
// amounts can be worked out from the damage rolls the run reports.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace thornbrake::cli {
namespace {

using namespace testing_support;

std::vector<std::string> Kinds(const nlohmann::json& report, const char* who) {
    std::vector<std::string> kinds;
    for (const auto& line : report["timeline"]) {
        if (line["who"] == who) kinds.push_back(line["event"]);
    }
    return kinds;
}

// Riding at 3 m/s (the slow mounted band) past three cacti, each in reach for
// about 0.4 s and each reaction holding the plugin for at least 1 s, so one
// reaction per cactus. The horse starts at 66: the first cactus is a full hit
// (66 > 65) of HorseHealthRollB, which leaves it at 65 or less, so the second
// is a soft hit (drained, not damaged); the third stands in a mission and only
// agitates the horse. Stamina: HorseStaminaRollB twice.
TEST(ReactionForms, HorseBelow65IsDrainedNotHurt) {
    const nlohmann::json report = RunScenarioReport("horse_forms", R"(
duration = 25
[horse]
health = 66
[[route]]
mount = true
[[route]]
to = [60, 0]
speed = 3
[[plant]]
model = "cactus-1"
at = [10, 0.3]
[[plant]]
model = "cactus-2"
at = [20, 0.3]
[[plant]]
model = "cactus-3"
at = [40, 0.3]
[[mission]]
from = 12
to = 16
)");
    const int healthRollB = report["damage_rolls"][7].get<int>() / 4;
    const int staminaRollB = report["damage_rolls"][9].get<int>() / 4;
    EXPECT_EQ(Kinds(report, "horse"),
              (std::vector<std::string>{"horse_cactus_hit", "horse_cactus_soft_hit", "horse_agitated"}));
    EXPECT_EQ(report["summary"]["horse_cactus_hits"], 2);
    EXPECT_EQ(report["summary"]["horse_agitations"], 3);
    EXPECT_EQ(report["summary"]["horse_health_lost"], healthRollB);
    EXPECT_EQ(report["summary"]["horse_stamina_drained"], 2 * staminaRollB);
    EXPECT_EQ(report["summary"]["horse_final_health"], 66 - healthRollB);
    EXPECT_EQ(report["summary"]["health_lost"], 0);  // the rider is never touched
}

// Walking at 3 m/s (the fast band) into a cactus with 140 health: the first
// pass in reach is a full hit of HealthRollA (at least 30), which leaves 110
// or less; every later pass in reach is softened: cry and drains, no damage.
TEST(ReactionForms, At136OrLessACactusNoLongerHurts) {
    const nlohmann::json report = RunScenarioReport("soft_hits", R"(
duration = 8
[character]
health = 140
[[route]]
to = [20, 0]
speed = 3
[[plant]]
model = "cactus-1"
at = [10, 0.3]
)");
    const int healthRollA = report["damage_rolls"][0].get<int>() / 4;
    EXPECT_EQ(Kinds(report, "character"), (std::vector<std::string>{"cactus_hit", "cactus_soft_hit"}));
    EXPECT_EQ(report["summary"]["cactus_hits"], 1);
    EXPECT_GE(report["summary"]["cactus_soft_hits"].get<double>(), 1);
    EXPECT_EQ(report["summary"]["health_lost"], healthRollA);
    EXPECT_EQ(report["summary"]["final_health"], 140 - healthRollA);
}

}  // namespace
}  // namespace thornbrake::cli
