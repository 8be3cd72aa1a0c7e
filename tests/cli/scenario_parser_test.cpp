// The scenario reader: what a well-formed file yields, and one case per kind
// of mistake with the position and message a modder sees.
#include <gtest/gtest.h>

#include <ostream>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "sim/scenario/scenario_parser.h"

namespace thornbrake::scenario {
namespace {

constexpr char kMinimal[] = "duration = 10\n";

TEST(ScenarioParser, ReadsEveryPartOfAScenario) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "parser_full";
    std::filesystem::create_directories(folder / "sub");
    std::ofstream(folder / "sub" / "my.ini") << "[BUSH_EFFECT]\nTripChance=20\n";
    const Scenario s = ParseScenario(R"(
name = "All parts"
duration = 12.5
frame_time = 0.02
seed = 77
settings = "sub/my.ini"
[overrides]
tripchance = 40
CactusLethal = true
[character]
start = [1, 2, 3]
health = 250
death_at = 11.0
[horse]
start = [5.5, -1]
health = 90
[[route]]
to = [10, 0]
speed = 5.27
pause = 1.5
[[route]]
mount = true
[[route]]
pause = 2
[[route]]
dismount = true
[[plant]]
model = "bush-A-12"
at = [3, 4]
vetoed = true
[[plant]]
model = 0x60A81CC4
at = [0, 0, 1]
[[patch]]
count = 5
plants = ["cactus", "bush-C"]
centre = [0, 0]
radius = 4
[[mission]]
from = 1
to = 2
query = "B"
[[control_off]]
from = 3
to = 4
[reactions]
trip_stun = 0.5
)",
                                     folder / "s.toml");
    EXPECT_EQ(s.name, "All parts");
    EXPECT_EQ(s.duration, 12.5);
    EXPECT_EQ(s.frameTimeUs, 20'000);
    EXPECT_EQ(s.seed, 77u);
    EXPECT_EQ(s.settingsFile, folder / "sub" / "my.ini");
    // The reader matches names regardless of case; the canonical name is
    // kept, and true stands for 1.
    ASSERT_EQ(s.overrides.size(), 2u);
    for (const SettingOverride& entry : s.overrides) {
        if (entry.key == "TripChance") {
            EXPECT_EQ(entry.value, 40);
        } else {
            EXPECT_EQ(entry.key, "CactusLethal");
            EXPECT_EQ(entry.value, 1);
        }
    }
    EXPECT_EQ(s.character.start.z, 3.0);
    EXPECT_EQ(s.character.health, 250);
    EXPECT_EQ(s.deathAt, 11.0);
    EXPECT_EQ(s.horse.health, 90);
    ASSERT_EQ(s.route.size(), 4u);
    EXPECT_EQ(s.route[0].kind, RouteStep::Kind::Move);
    // The game reports single precision; 5.27 must be the very float the
    // plugin compares with.
    EXPECT_EQ(s.route[0].speed, 5.27f);
    EXPECT_EQ(s.route[0].pause, 1.5);
    EXPECT_EQ(s.route[1].kind, RouteStep::Kind::Mount);
    EXPECT_EQ(s.route[2].kind, RouteStep::Kind::Pause);
    EXPECT_EQ(s.route[3].kind, RouteStep::Kind::Dismount);
    ASSERT_EQ(s.plants.size(), 2u);
    EXPECT_EQ(s.plants[0].model, 0x1CC908F2u);  // group A lists it at 10 and 12
    EXPECT_TRUE(s.plants[0].vetoed);
    EXPECT_EQ(s.plants[1].model, 0x60A81CC4u);
    ASSERT_EQ(s.patches.size(), 1u);
    EXPECT_EQ(s.patches[0].models.size(), 8u + 5u);
    EXPECT_TRUE(s.patches[0].area.circle);
    ASSERT_EQ(s.missions.size(), 1u);
    EXPECT_FALSE(s.missions[0].queryA);
    EXPECT_TRUE(s.missions[0].queryB);
    ASSERT_EQ(s.controlOff.size(), 1u);
    EXPECT_EQ(s.reactions.tripStun, 0.5);
}

TEST(ScenarioParser, NoSettingsFileMeansNone) {
    const Scenario s = ParseScenario(kMinimal, "x.toml");
    EXPECT_TRUE(s.settingsFile.empty());
    EXPECT_TRUE(s.overrides.empty());
    EXPECT_EQ(s.frameTimeUs, 33'333);
}

struct BadScenario {
    const char* what;
    const char* text;
    int line;
    int column;
    const char* message;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadScenario& c, std::ostream* os) { *os << c.what; }


class ScenarioMistakes : public testing::TestWithParam<BadScenario> {};

TEST_P(ScenarioMistakes, NamePositionAndProblem) {
    const BadScenario& c = GetParam();
    try {
        ParseScenario(c.text, "bad.toml");
        FAIL() << "accepted: " << c.what;
    } catch (const ScenarioError& error) {
        EXPECT_EQ(error.message(), c.message) << c.what;
        EXPECT_EQ(error.line(), c.line) << c.what;
        EXPECT_EQ(error.column(), c.column) << c.what;
        EXPECT_EQ(std::string(error.what()),
                  "bad.toml:" + std::to_string(c.line) + ":" + std::to_string(c.column) + ": " +
                      c.message);
    }
}

const BadScenario kMistakes[] = {
    {"unknown field, near a known one", "duration = 5\nduraton = 5\n", 2, 1,
     "unknown field 'duraton' in the scenario; did you mean 'duration'?"},
    {"unknown field in a route step", "duration = 5\n[[route]]\nto = [1, 0]\nsped = 2\n", 4, 1,
     "unknown field 'sped' in [[route]]; did you mean 'speed'?"},
    {"unknown field, nothing near", "duration = 5\n[horse]\nsaddle = 1\n", 3, 1,
     "unknown field 'saddle' in [horse]; known fields: start, health, max_health, stamina, "
     "max_stamina"},
    {"wrong type", "duration = \"long\"\n", 1, 12, "'duration' must be a number, not a string"},
    {"wrong type in a list element", "duration = 5\n[[plant]]\nmodel = \"cholla\"\nat = [1, \"x\"]\n",
     4, 10, "'at' must be a position [x, y] or [x, y, z] in metres; element 2 is a string"},
    {"out of range", "duration = 5\n[[route]]\nto = [1, 0]\nspeed = -1\n", 4, 9,
     "'speed' must be more than 0 and at most 100 m/s, not -1"},
    {"out of range against another field", "duration = 5\n[character]\nhealth = 400\n", 3, 10,
     "'health' must be at least 1 and at most 300 (max_health), not 400"},
    {"unknown plant name", "duration = 5\n[[plant]]\nmodel = \"cactus-9\"\nat = [0, 0]\n", 3, 9,
     "unknown plant 'cactus-9'; did you mean 'cactus-1'?"},
    {"unknown plant group", "duration = 5\n[[patch]]\ncount = 3\nplants = \"shrubbery\"\nmin = [0, "
                            "0]\nmax = [1, 1]\n",
     4, 10,
     "unknown plant 'shrubbery'; plants are cactus-1 to cactus-8, cholla, bush-A-1 to bush-A-51, "
     "bush-B-1 to bush-B-31, bush-C-1 to bush-C-5, bush-D-1 to bush-D-21, bush-E-1 to bush-E-12, "
     "or a model identifier such as 0x60A81CC4, or a group: cactus, bush, bush-A ... bush-E"},
    {"missing field", "seed = 3\n", 1, 1, "missing field 'duration' in the scenario"},
    {"unknown setting", "duration = 5\n[overrides]\nTripChanse = 40\n", 3, 1,
     "unknown setting 'TripChanse' in [overrides]; did you mean 'TripChance'?"},
    {"setting beyond 32 bits", "duration = 5\n[overrides]\nTripChance = 3000000000\n", 3, 14,
     "'TripChance' must fit in 32 bits (-2147483648 to 2147483647), not 3000000000"},
    {"settings file missing", "duration = 5\nsettings = \"absent.ini\"\n", 2, 12,
     "settings file 'absent.ini' cannot be read (paths are relative to the scenario)"},
    {"a step doing two things", "duration = 5\n[[route]]\nto = [1, 0]\nspeed = 1\nmount = true\n", 2,
     1, "a [[route]] step does one thing: 'to' (with 'speed'), 'pause', 'mount' or 'dismount'"},
    {"dismount on foot", "duration = 5\n[[route]]\ndismount = true\n", 3, 12,
     "the character is not mounted here"},
    {"interval backwards", "duration = 5\n[[mission]]\nfrom = 3\nto = 2\n", 4, 6,
     "'to' must come after 'from'"},
    {"bad mission query", "duration = 5\n[[mission]]\nfrom = 1\nto = 2\nquery = \"C\"\n", 5, 9,
     "'query' must be \"A\", \"B\" or \"both\", not 'C'"},
    {"patch without area", "duration = 5\n[[patch]]\ncount = 3\nplants = \"bush\"\n", 2, 1,
     "a [[patch]] needs an area: either 'min' and 'max' corners, or 'centre' and 'radius'"},
    {"TOML syntax", "duration = 5\n[[route]\n", 2, 9,
     "Error while parsing table header: expected ']', saw '\\n'"},
};

std::string CaseName(const testing::TestParamInfo<BadScenario>& info) {
    std::string name;
    for (const char* c = info.param.what; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(OneCasePerKind, ScenarioMistakes, testing::ValuesIn(kMistakes), CaseName);

}  // namespace
}  // namespace thornbrake::scenario
