// A horse ridden into a cactus or a cholla: the mounted decision table, the
// band edges, and which horse handle each operation receives.
#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "plugin_fixture.h"

namespace thornbrake::test {
namespace {

constexpr ModelHash kCactus1 = kCactusModels[0];
constexpr ModelHash kCactus2 = kCactusModels[1];

float Below(float v) { return std::nextafter(v, -std::numeric_limits<float>::infinity()); }
float Above(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }

// One operation on the horse, looked up afresh right before it.
Lines OnHorse(const std::string& operation) { return Join({Horse(), {operation}}); }
std::string SetAgitated(std::int32_t horse = kHorse) {
    return fmt::format("SetMood({}, \"Agitated\")", horse);
}
std::string ClearMood(std::int32_t horse = kHorse) { return fmt::format("ClearMood({})", horse); }
std::string HurtResponse(int flag, std::int32_t horse = kHorse) {
    return fmt::format("MountHurtResponse({}, {})", horse, flag);
}

// The bush stage of a pass with the rider on the horse: every group is shut
// by the mount gate.
Lines MountedBushGates() {
    Lines lines;
    for (int g = 0; g < 5; ++g) lines = Join({lines, MissionCheck(false), OnMountCheck(true)});
    return lines;
}

enum class Form { FullHit, FullHitHurt, SoftHit, AgitateOnly, None };

struct MountedCase {
    const char* name;
    float speed;
    std::int32_t health;
    const char* settings;
    bool mission;
    Form form;
    std::int32_t damage;
    float stamina;
};

std::ostream& operator<<(std::ostream& out, const MountedCase& c) { return out << c.name; }

Lines MountedReaction(const MountedCase& c) {
    switch (c.form) {
        case Form::None:
            return {};
        case Form::AgitateOnly:
            return Join({MissionCheck(true), OnHorse(SetAgitated()), {Wait(3000)},
                         OnHorse(ClearMood())});
        case Form::FullHit:
        case Form::FullHitHurt: {
            Lines hit = Join({MissionCheck(c.mission), OnHorse(SetAgitated()),
                              OnHorse(Damage(kHorse, c.damage, 65245, 0)),
                              OnHorse(Stamina(kHorse, c.stamina)), {Wait(1000)}});
            if (c.form == Form::FullHitHurt) hit = Join({hit, {HurtResponse(1), Wait(1000)}});
            return hit;
        }
        case Form::SoftHit:
            return Join({MissionCheck(c.mission), OnHorse(SetAgitated()),
                         OnHorse(Damage(kHorse, 0, 65245, 0)), OnHorse(Stamina(kHorse, c.stamina)),
                         {Wait(1000), HurtResponse(0), Wait(1000)}, OnHorse(ClearMood())});
    }
    return {};
}

class MountedDecision : public PluginFixture, public testing::WithParamInterface<MountedCase> {};

TEST_P(MountedDecision, GivesTheRowsForm) {
    const MountedCase& c = GetParam();
    SetSettings(c.settings);
    Mount(c.speed);
    World().horse.health = c.health;
    World().missionA = c.mission;
    PlantAtHorse(kCactus1);

    const Lines closing = c.form == Form::None ? Lines{} : OnHorse(ClearMood());
    Lines bushes = MountedBushGates();
    if (c.mission) bushes = Lines(5, "MissionQueryA() = 1");
    const Lines expected =
        Join({{Near(kHorseAt, 0.6f, kCactus1), Near(kHorseAt, 0.7f, kCactus1)}, OnMountCheck(true),
              MountedReaction(c), closing,
              OnMountCheck(true),  // the on-foot reaction turns the rider away
              bushes, {Wait(0)}});
    EXPECT_EQ(WithoutMisses(RunPass()), expected);
}

constexpr const char* kNoFile = "";
constexpr const char* kHorseLethal = "[HORSE_CACTUS_EFFECT]\nCactusHorseLethal=1\n";
constexpr const char* kMissionsOn = "[MISC]\nToggleCactusInMission=1\n";
constexpr const char* kNegativeModifiers =
    "[HORSE_CACTUS_EFFECT]\nCactusHorseHealthDamageModifier=-3\n"
    "CactusHorseStaminaDamageModifier=-2\n";

INSTANTIATE_TEST_SUITE_P(
    Bands, MountedDecision,
    testing::Values(
        MountedCase{"still_standing", 0.0f, 100, kNoFile, false, Form::FullHit, 1, -1},
        MountedCase{"still_just_below_slow", Below(0.55f), 100, kNoFile, false, Form::FullHit, 1,
                    -1},
        MountedCase{"still_raw_negative_modifiers", 0.0f, 100, kNegativeModifiers, false,
                    Form::FullHit, -3, 2},
        MountedCase{"slow_at_lower_edge", 0.55f, 100, kNoFile, false, Form::FullHit,
                    kHorseHealthRollB, -kHorseStaminaRollB},
        MountedCase{"slow_just_below_fast", Below(5.83f), 100, kNoFile, false, Form::FullHit,
                    kHorseHealthRollB, -kHorseStaminaRollB},
        MountedCase{"fast_at_lower_edge", 5.83f, 100, kNoFile, false, Form::FullHit,
                    kHorseHealthRollA, -kHorseStaminaRollA},
        MountedCase{"fast_at_upper_edge", 20.83f, 100, kNoFile, false, Form::FullHit,
                    kHorseHealthRollA, -kHorseStaminaRollA},
        MountedCase{"above_fast_nothing_not_even_clear_mood", Above(20.83f), 100, kNoFile, false,
                    Form::None, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HealthAndMissions, MountedDecision,
    testing::Values(
        MountedCase{"health_66_full", 10.0f, 66, kNoFile, false, Form::FullHit, kHorseHealthRollA,
                    -kHorseStaminaRollA},
        MountedCase{"health_65_soft", 10.0f, 65, kNoFile, false, Form::SoftHit, 0,
                    -kHorseStaminaRollA},
        MountedCase{"soft_still_band_drains_raw_modifier", 0.0f, 10, kNoFile, false, Form::SoftHit,
                    0, -1},
        MountedCase{"lethal_health_65_full_with_hurt_response", 10.0f, 65, kHorseLethal, false,
                    Form::FullHitHurt, kHorseHealthRollA, -kHorseStaminaRollA},
        MountedCase{"lethal_healthy_full_without_hurt_response", 1.0f, 66, kHorseLethal, false,
                    Form::FullHit, kHorseHealthRollB, -kHorseStaminaRollB},
        MountedCase{"mission_agitates_only", 10.0f, 100, kNoFile, true, Form::AgitateOnly, 0, 0},
        MountedCase{"mission_agitates_only_even_lethal_and_weak", 10.0f, 5, kHorseLethal, true,
                    Form::AgitateOnly, 0, 0},
        MountedCase{"mission_allowed_full", 10.0f, 100, kMissionsOn, true, Form::FullHit,
                    kHorseHealthRollA, -kHorseStaminaRollA}),
    [](const auto& info) { return std::string(info.param.name); });

class MountedPass : public PluginFixture {};

TEST_F(MountedPass, NotCalledForAVetoedModelOrOneAwayFromTheHorse) {
    Mount(10.0f);
    World().AddPlant({kCactus1, kHorseAt, /*vetoed=*/true});
    World().AddPlant({kCactus2, {kHorseAt.x + 0.65f, kHorseAt.y, kHorseAt.z}, false});
    // cactus-1: near both, vetoed; cactus-2: near the horse only outside 0.6.
    EXPECT_EQ(WithoutMisses(RunPass()),
              Join({{Near(kHorseAt, 0.6f, kCactus1), Near(kHorseAt, 0.7f, kCactus1),
                     Veto(kHorseAt, kCactus1, true), Near(kHorseAt, 0.7f, kCactus2)},
                    OnMountCheck(true), MissionCheck(false), OnHorse(SetAgitated()),
                    OnHorse(Damage(kHorse, kHorseHealthRollA, 65245, 0)),
                    OnHorse(Stamina(kHorse, -kHorseStaminaRollA)), {Wait(1000)},
                    OnHorse(ClearMood()), MountedBushGates(), {Wait(0)}}));
}

TEST_F(MountedPass, RiderOnFootMakesOnlyTheMountCheck) {
    // The horse stands in the cactus, the character does not ride it.
    PlantAtHorse(kCactus1);
    EXPECT_EQ(WithoutMisses(RunPass()),
              Join({{Near(kHorseAt, 0.7f, kCactus1)}, OnMountCheck(false), BushGates(), {Wait(0)}}));
}

TEST_F(MountedPass, AfterAFullHitASecondModelOnlyCalmsTheHorse) {
    Mount(10.0f);
    PlantAtHorse(kCactus1);
    PlantAtHorse(kCactus2);
    const Lines pass = WithoutMisses(RunPass());
    const Lines secondModel = Join({{Near(kHorseAt, 0.6f, kCactus2), Near(kHorseAt, 0.7f, kCactus2)},
                                    OnMountCheck(true), OnHorse(ClearMood()), OnMountCheck(true)});
    const auto at = std::search(pass.begin(), pass.end(), secondModel.begin(), secondModel.end());
    EXPECT_NE(at, pass.end()) << "second model not just calmed";
    EXPECT_EQ(std::count(pass.begin(), pass.end(), Wait(1000)), 1);
}

TEST_F(MountedPass, AfterASoftHitASecondModelRunsItsOwnForm) {
    Mount(10.0f);
    World().horse.health = 50;
    PlantAtHorse(kCactus1);
    PlantAtHorse(kCactus2);
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(std::count(pass.begin(), pass.end(), HurtResponse(0)), 2);
    EXPECT_EQ(std::count(pass.begin(), pass.end(), Wait(1000)), 4);
    EXPECT_EQ(std::count(pass.begin(), pass.end(), ClearMood()), 4);
}

TEST_F(MountedPass, HurtResponseGetsTheSnapshotMountOthersTheLiveOne) {
    SetSettings(kHorseLethal);
    Mount(10.0f);
    World().horse.health = 40;
    PlantAtHorse(kCactus1);
    // During the first wait the game hands the rider another horse.
    Host().SetFrameHook([](sim::WorldState& w, std::int64_t nowUs) {
        if (nowUs > 500'000) w.horse.handle = 3003;
    });
    const Lines pass = WithoutMisses(RunPass());
    const Lines tail = {Wait(1000), HurtResponse(1, kHorse), Wait(1000),
                        fmt::format("GetPlayerCharacter() = {}", kCharacter),
                        fmt::format("GetMount({}) = 3003", kCharacter), ClearMood(3003)};
    EXPECT_NE(std::search(pass.begin(), pass.end(), tail.begin(), tail.end()), pass.end());
}

TEST_F(MountedPass, RiderWhoDismountsDuringAgitationGetsTheOnFootReaction) {
    Mount(10.0f);
    World().missionA = true;
    PlantAtHorse(kCactus1);
    // The rider leaves the horse while it is agitated.
    Host().SetFrameHook([](sim::WorldState& w, std::int64_t nowUs) {
        if (nowUs > 1'000'000) w.character.onMount = false;
    });
    const Lines pass = WithoutMisses(RunPass());
    // AgitateOnly, its closing step, then the on-foot check finds the rider
    // on foot: in the mission that is a cry.
    const Lines tail = Join({{Wait(3000)}, OnHorse(ClearMood()), OnHorse(ClearMood()),
                             OnMountCheck(false), MissionCheck(true), {Pain(0)}});
    EXPECT_NE(std::search(pass.begin(), pass.end(), tail.begin(), tail.end()), pass.end());
}

// The mounted cholla check.

struct ChollaMountCase {
    const char* name;
    float speed;
    const char* settings;
    bool missionA, missionB;
    bool lethal_form;  // else the non-lethal form, unless `acts` is false
    bool acts;
};

std::ostream& operator<<(std::ostream& out, const ChollaMountCase& c) { return out << c.name; }

class ChollaMount : public PluginFixture, public testing::WithParamInterface<ChollaMountCase> {};

TEST_P(ChollaMount, GivesTheRowsForm) {
    const ChollaMountCase& c = GetParam();
    SetSettings(c.settings);
    Mount(c.speed);
    World().horse.health = 10;  // the horse's health is not consulted
    World().missionA = c.missionA;
    World().missionB = c.missionB;
    PlantAtHorse(kChollaModel);

    Lines form;
    if (c.acts && c.lethal_form) {
        form = Join({OnHorse(SetAgitated()), OnHorse(Damage(kHorse, kHorseHealthRollA, 65245, 0)),
                     OnHorse(Stamina(kHorse, -500)), {Wait(2000)},
                     OnHorse(Damage(kHorse, kHorseHealthRollB, 65245, 0)),
                     OnHorse(Stamina(kHorse, -500)), {Wait(2000)},
                     OnHorse(fmt::format("MountFinalResponse({}, 1, 100, 10, 0)", kHorse)),
                     OnHorse(ClearMood())});
    } else if (c.acts) {
        form = OnHorse(SetAgitated());
        for (int i = 0; i < 3; ++i) {
            form = Join({form, OnHorse(Damage(kHorse, 0, 65245, 0)), OnHorse(Stamina(kHorse, -500)),
                         {Wait(2000)}});
        }
        form = Join({form, OnHorse(ClearMood())});
    }
    const bool inMission = c.missionA || c.missionB;
    const bool checksMission = c.speed <= 20.83f;
    const Lines expected =
        Join({// The on-foot cholla contact turns the rider away.
              {Near(kHorseAt, 0.63f, kChollaModel)}, OnMountCheck(true),
              {Near(kHorseAt, 0.7f, kChollaModel)}, OnMountCheck(true),
              checksMission ? MissionCheck(c.missionA, c.missionB) : Lines{}, form});
    Lines pass = WithoutMisses(RunPass());
    // The bush stage is checked elsewhere; cut it off.
    pass.resize(std::min(pass.size(), expected.size()));
    EXPECT_EQ(pass, expected);
    (void)inMission;
}

constexpr const char* kMissionToggles =
    "[MISC]\nToggleCactusInMission=1\nToggleBushInMission=1\n";

INSTANTIATE_TEST_SUITE_P(
    Forms, ChollaMount,
    testing::Values(
        ChollaMountCase{"non_lethal_standing", 0.0f, kNoFile, false, false, false, true},
        ChollaMountCase{"non_lethal_at_top_speed", 20.83f, kNoFile, false, false, false, true},
        ChollaMountCase{"above_top_speed_nothing", Above(20.83f), kNoFile, false, false, false,
                        false},
        ChollaMountCase{"lethal", 10.0f, kHorseLethal, false, false, true, true},
        ChollaMountCase{"mission_a_nothing", 10.0f, kNoFile, true, false, false, false},
        ChollaMountCase{"mission_b_nothing_even_with_toggles", 10.0f, kMissionToggles, false, true,
                        false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MountedPass, ChollaActsAfterACactusFullHitInTheSamePass) {
    Mount(10.0f);
    PlantAtHorse(kCactus1);
    PlantAtHorse(kChollaModel);
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(std::count(pass.begin(), pass.end(), Wait(1000)), 1);
    EXPECT_EQ(std::count(pass.begin(), pass.end(), Wait(2000)), 3);
}

}  // namespace
}  // namespace thornbrake::test
