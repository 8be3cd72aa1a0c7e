// Bush tripping: the live gates, the two speed bands, each group's threshold,
// one evaluation per pass, and the cool-down.
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include <fmt/format.h>

#include "plugin_fixture.h"

namespace thornbrake::test {
namespace {

float Below(float v) { return std::nextafter(v, -std::numeric_limits<float>::infinity()); }
float Above(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }

const std::string kTrip = "TripCharacter(1001, 0, 0, 1)";

// The first model of a group, and its search radius.
ModelHash FirstOf(char group) { return kBushGroups[static_cast<std::size_t>(group - 'A')].models[0]; }
float RadiusOf(char group) { return kBushGroups[static_cast<std::size_t>(group - 'A')].radius; }

// What follows the gates of a group whose first model is near.
Lines Outcome(bool evaluated, bool trips, int cooldownWaits) {
    if (!evaluated) return {};
    Lines lines = {Wait(100)};
    if (!trips) return lines;
    lines.push_back(kTrip);
    lines.push_back(Damage(kCharacter, 1, 1, 0));
    for (int i = 0; i < cooldownWaits; ++i) lines.push_back(Wait(1000));
    return lines;
}

enum class Result { Nothing, NoTrip, Trip };

struct BandCase {
    const char* name;
    char group;
    float speed;
    float stamina;
    const char* settings;
    std::int32_t roll;
    Result result;
    int cooldownWaits;  // after a trip
};

std::ostream& operator<<(std::ostream& out, const BandCase& c) { return out << c.name; }

class BushDecision : public PluginFixture, public testing::WithParamInterface<BandCase> {};

TEST_P(BushDecision, GivesTheRowsOutcome) {
    const BandCase& c = GetParam();
    SetSettings(c.settings);
    World().character.speed = c.speed;
    World().character.stamina = c.stamina;
    SetTripRolls({c.roll});
    PlantAtPlayer(FirstOf(c.group));

    const int before = c.group - 'A';
    const Lines expected =
        Join({BushGates(before + 1), {Near(kPlayerAt, RadiusOf(c.group), FirstOf(c.group))},
              Outcome(c.result != Result::Nothing, c.result == Result::Trip, c.cooldownWaits),
              BushGates(4 - before), {Wait(0)}});
    EXPECT_EQ(WithoutMisses(RunPass()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, BushDecision,
    testing::Values(
        BandCase{"upper_at_5_27_roll_14_trips", 'A', 5.27f, 50.0f, "", 14, Result::Trip, 5},
        BandCase{"upper_roll_equal_threshold_no_trip", 'A', 5.27f, 50.0f, "", 15, Result::NoTrip, 0},
        BandCase{"upper_at_8_33", 'B', 8.33f, 50.0f, "", 1, Result::Trip, 5},
        BandCase{"above_8_33_nothing", 'A', Above(8.33f), 0.0f, "", 1, Result::Nothing, 0},
        BandCase{"lower_at_stamina_10", 'A', 3.0f, 10.0f, "", 29, Result::Trip, 5},
        BandCase{"lower_roll_30_no_trip", 'A', 3.0f, 10.0f, "", 30, Result::NoTrip, 0},
        BandCase{"lower_needs_tired_character", 'A', 3.0f, Above(10.0f), "", 1, Result::Nothing, 0},
        BandCase{"lower_just_below_5_27", 'E', Below(5.27f), 0.0f, "", 29, Result::Trip, 5},
        BandCase{"lower_at_1_38", 'A', 1.38f, 0.0f, "", 1, Result::Trip, 5},
        BandCase{"below_1_38_nothing", 'A', Below(1.38f), 0.0f, "", 1, Result::Nothing, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Thresholds, BushDecision,
    testing::Values(
        BandCase{"group_c_upper_10_roll_9", 'C', 6.0f, 50.0f, "", 9, Result::Trip, 5},
        BandCase{"group_c_upper_10_roll_10", 'C', 6.0f, 50.0f, "", 10, Result::NoTrip, 0},
        BandCase{"group_d_upper_7_roll_6", 'D', 6.0f, 50.0f, "", 6, Result::Trip, 5},
        BandCase{"group_d_upper_7_roll_7", 'D', 6.0f, 50.0f, "", 7, Result::NoTrip, 0},
        BandCase{"group_e_upper_15_roll_14", 'E', 6.0f, 50.0f, "", 14, Result::Trip, 5},
        BandCase{"chance_1_upper_never", 'A', 6.0f, 50.0f, "[BUSH_EFFECT]\nTripChance=1\n", 1,
                 Result::NoTrip, 0},
        BandCase{"chance_1_group_c_upper_never", 'C', 6.0f, 50.0f, "[BUSH_EFFECT]\nTripChance=1\n",
                 1, Result::NoTrip, 0},
        BandCase{"chance_1_lower_trips_on_1", 'D', 3.0f, 5.0f, "[BUSH_EFFECT]\nTripChance=1\n", 1,
                 Result::Trip, 5},
        // -3 / 2 truncates toward zero to -1, which beats a roll of -2.
        BandCase{"chance_minus_3_group_d_truncates_toward_zero", 'D', 6.0f, 50.0f,
                 "[BUSH_EFFECT]\nTripChance=-3\n", -2, Result::Trip, 5},
        BandCase{"chance_minus_3_never_beats_a_real_roll", 'D', 6.0f, 50.0f,
                 "[BUSH_EFFECT]\nTripChance=-3\n", 1, Result::NoTrip, 0},
        BandCase{"chance_minus_3_group_c_beats_minus_3", 'C', 6.0f, 50.0f,
                 "[BUSH_EFFECT]\nTripChance=-3\n", -3, Result::Trip, 5},
        BandCase{"chance_max_lower_saturates", 'A', 3.0f, 5.0f,
                 "[BUSH_EFFECT]\nTripChance=2147483647\n", 100, Result::Trip, 5}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Cooldowns, BushDecision,
    testing::Values(
        BandCase{"cooldown_0_one_wait", 'A', 6.0f, 50.0f, "[BUSH_EFFECT]\nTripCooldown=0\n", 1,
                 Result::Trip, 1},
        BandCase{"cooldown_minus_1_none", 'A', 6.0f, 50.0f, "[BUSH_EFFECT]\nTripCooldown=-1\n", 1,
                 Result::Trip, 0},
        BandCase{"cooldown_4_five_waits", 'A', 6.0f, 50.0f, "[BUSH_EFFECT]\nTripCooldown=4\n", 1,
                 Result::Trip, 5}),
    [](const auto& info) { return std::string(info.param.name); });

class Bushes : public PluginFixture {
protected:
    Bushes() {
        World().character.speed = 6.0f;
        SetTripRolls({1, 1, 1});
    }
    // How many IsModelNear queries the pass made for each bush group.
    static std::vector<int> ProbesPerGroup(const Lines& pass) {
        std::vector<int> counts;
        for (const BushGroup& group : kBushGroups) {
            int n = 0;
            // Distinct models: a listed-twice model's probes are all counted once here.
            const std::set<ModelHash> models(group.models.begin(), group.models.end());
            for (ModelHash model : models) {
                const std::string needle = fmt::format(", {}, 0) = ", model);
                n += static_cast<int>(std::count_if(pass.begin(), pass.end(), [&](const std::string& l) {
                    return l.starts_with("IsModelNear(") && l.find(needle) != std::string::npos;
                }));
            }
            counts.push_back(n);
        }
        return counts;
    }
    static int Count(const Lines& pass, const std::string& line) {
        return static_cast<int>(std::count(pass.begin(), pass.end(), line));
    }
};

TEST_F(Bushes, EveryGroupIsProbedInFullAfterAnEvaluation) {
    PlantAtPlayer(FirstOf('A'));
    const Lines pass = RunPass();
    EXPECT_EQ(ProbesPerGroup(pass), (std::vector<int>{51, 31, 5, 21, 12}));
    EXPECT_EQ(Count(pass, kTrip), 1);
}

TEST_F(Bushes, OnlyTheFirstNearbyModelIsEvaluated) {
    PlantAtPlayer(FirstOf('C'));
    PlantAtPlayer(kBushGroupAModels[9]);  // listed twice in group A
    SetTripRolls({99});                   // a failed roll still uses up the pass
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(Count(pass, Near(kPlayerAt, 0.55f, kBushGroupAModels[9])), 2);
    EXPECT_EQ(Count(pass, Near(kPlayerAt, 0.6f, FirstOf('C'))), 1);
    EXPECT_EQ(Count(pass, Wait(100)), 1);
    EXPECT_EQ(Count(pass, kTrip), 0);
}

TEST_F(Bushes, TheLatchDoesNotCarryIntoTheNextPass) {
    PlantAtPlayer(FirstOf('B'));
    SetTripRolls({99, 99});
    const std::vector<Lines> passes = RunPasses(2);
    EXPECT_EQ(Count(passes[0], Wait(100)), 1);
    EXPECT_EQ(Count(passes[1], Wait(100)), 1);
}

struct GateCase {
    const char* name;
    const char* settings;
    bool missionA, missionB, onMount, controlOn;
    Lines (*gate)();  // one group's gate queries
    bool scans;
};

std::ostream& operator<<(std::ostream& out, const GateCase& c) { return out << c.name; }

class BushGate : public Bushes, public testing::WithParamInterface<GateCase> {};

TEST_P(BushGate, SuppressesTheRightQueries) {
    const GateCase& c = GetParam();
    SetSettings(c.settings);
    World().missionA = c.missionA;
    World().missionB = c.missionB;
    World().character.onMount = c.onMount;
    World().playerControlOn = c.controlOn;
    const Lines pass = RunPass();
    // The bush stage is the tail of the pass: 5 gates, and the scans if open.
    const Lines gate = c.gate();
    const std::size_t scanned = c.scans ? 120 : 0;
    const std::size_t stage = 5 * gate.size() + scanned + 1;
    ASSERT_GE(pass.size(), stage);
    const Lines tail(pass.end() - static_cast<std::ptrdiff_t>(stage), pass.end());
    EXPECT_EQ(Lines(tail.begin(), tail.begin() + static_cast<std::ptrdiff_t>(gate.size())), gate);
    EXPECT_EQ(ProbesPerGroup(tail), c.scans ? (std::vector<int>{51, 31, 5, 21, 12})
                                            : (std::vector<int>{0, 0, 0, 0, 0}));
}

constexpr const char* kBushesInMissions = "[MISC]\nToggleBushInMission=1\n";

INSTANTIATE_TEST_SUITE_P(
    Gates, BushGate,
    testing::Values(
        GateCase{"open", "", false, false, false, true, [] { return BushGates(1); }, true},
        GateCase{"mission_a_stops_before_anything_else", "", true, false, false, true,
                 [] { return MissionCheck(true); }, false},
        GateCase{"mission_b_stops_too", "", false, true, false, true,
                 [] { return MissionCheck(false, true); }, false},
        GateCase{"mission_allowed_acts_as_outside", kBushesInMissions, true, false, false, true,
                 [] {
                     return Join({MissionCheck(true), OnMountCheck(false),
                                  {"GetPlayerIndex() = 0", "IsPlayerControlOn(0) = 1"}});
                 },
                 true},
        GateCase{"on_mount_skips_the_control_query", "", false, false, true, true,
                 [] { return Join({MissionCheck(false), OnMountCheck(true)}); }, false},
        GateCase{"control_off", "", false, false, false, false,
                 [] {
                     return Join({MissionCheck(false), OnMountCheck(false),
                                  {"GetPlayerIndex() = 0", "IsPlayerControlOn(0) = 0"}});
                 },
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Bushes, ATripUsesTheSnapshotAfterALongWait) {
    // A cactus hit waits 250 ms first; meanwhile the character stops and
    // walks away. The bush stage still judges the speed and place of the
    // pass's start.
    PlantAtPlayer(kCactusModels[0]);
    PlantAtPlayer(FirstOf('A'));
    Host().SetFrameHook([](sim::WorldState& w, std::int64_t nowUs) {
        if (nowUs > 100'000) {
            w.character.speed = 0.0f;
            w.character.position = {500, 500, 5};
        }
    });
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(Count(pass, Wait(250)), 1);
    EXPECT_EQ(Count(pass, Near(kPlayerAt, 0.55f, FirstOf('A'))), 1);
    EXPECT_EQ(Count(pass, kTrip), 1);
}

}  // namespace
}  // namespace thornbrake::test
