// A cactus touched on foot: every row of the band and decision tables,
// checked against the calls the plugin makes in one pass.
#include <cmath>
#include <limits>

#include "plugin_fixture.h"

namespace thornbrake::test {
namespace {

constexpr ModelHash kCactus1 = kCactusModels[0];
constexpr ModelHash kCactus2 = kCactusModels[1];

float Below(float v) { return std::nextafter(v, -std::numeric_limits<float>::infinity()); }
float Above(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }

enum class Reaction { FullHit, SoftHit, CryOnly, None };

struct OnFootCase {
    const char* name;
    float speed;
    std::int32_t health;
    const char* settings;
    bool missionA, missionB;
    Reaction reaction;
    // The band's amounts, for FullHit and SoftHit (SoftHit deals 0 health).
    std::int32_t health_damage;
    float stamina, dead_eye;
    std::uint32_t wait;
};

std::ostream& operator<<(std::ostream& out, const OnFootCase& c) { return out << c.name; }

// Gates of the bush stage when a mission is on and bushes are off in missions.
Lines BushGatesInMission(bool a) {
    Lines lines;
    for (int g = 0; g < 5; ++g) {
        const Lines m = MissionCheck(a, !a);
        lines.insert(lines.end(), m.begin(), m.end());
    }
    return lines;
}

class OnFootDecision : public PluginFixture, public testing::WithParamInterface<OnFootCase> {};

TEST_P(OnFootDecision, GivesTheRowsReaction) {
    const OnFootCase& c = GetParam();
    SetSettings(c.settings);
    World().character.speed = c.speed;
    World().character.health = c.health;
    World().missionA = c.missionA;
    World().missionB = c.missionB;
    PlantAtPlayer(kCactus1);

    const bool inMission = c.missionA || c.missionB;
    Lines reaction;
    switch (c.reaction) {
        case Reaction::FullHit:
            reaction = Join({MissionCheck(c.missionA, c.missionB),
                             {Pain(0), Damage(kCharacter, c.health_damage, 65245, kCharacter),
                              Stamina(kCharacter, c.stamina), DeadEye(c.dead_eye), Wait(c.wait)}});
            break;
        case Reaction::SoftHit:
            reaction = Join({MissionCheck(c.missionA, c.missionB),
                             {Pain(0), Damage(kCharacter, 0, 65245, kCharacter),
                              Stamina(kCharacter, c.stamina), DeadEye(c.dead_eye)}});
            break;
        case Reaction::CryOnly:
            reaction = Join({MissionCheck(c.missionA, c.missionB), {Pain(0)}});
            break;
        case Reaction::None:
            break;
    }
    const Lines expected =
        Join({{Near(kPlayerAt, 0.6f, kCactus1)}, OnMountCheck(false), reaction,
              inMission ? BushGatesInMission(c.missionA) : BushGates(), {Wait(0)}});
    EXPECT_EQ(WithoutMisses(RunPass()), expected);
}

constexpr const char* kNoFile = "";
constexpr const char* kLethal = "[PLAYER_CACTUS_EFFECT]\nCactusLethal=1\n";
constexpr const char* kMissionsOn = "[MISC]\nToggleCactusInMission=1\n";
constexpr const char* kZeroModifiers =
    "[PLAYER_CACTUS_EFFECT]\nCactusHealthDamageModifier=0\nCactusStaminaDamageModifier=0\n"
    "CactusDeadEyeDamageModifier=0\n";
constexpr const char* kNegativeModifiers =
    "[PLAYER_CACTUS_EFFECT]\nCactusHealthDamageModifier=-2\nCactusStaminaDamageModifier=-3\n"
    "CactusDeadEyeDamageModifier=-4\n";

INSTANTIATE_TEST_SUITE_P(
    Bands, OnFootDecision,
    testing::Values(
        OnFootCase{"fast_at_lower_edge", 1.38f, 200, kNoFile, false, false, Reaction::FullHit,
                   kHealthRollA, -kStaminaRollA, -kDeadEyeRollA, 250},
        OnFootCase{"fast_at_upper_edge", 8.33f, 200, kNoFile, false, false, Reaction::FullHit,
                   kHealthRollA, -kStaminaRollA, -kDeadEyeRollA, 250},
        OnFootCase{"above_fast_no_reaction", Above(8.33f), 200, kNoFile, false, false,
                   Reaction::None, 0, 0, 0, 0},
        OnFootCase{"slow_just_below_fast", Below(1.38f), 200, kNoFile, false, false,
                   Reaction::FullHit, kHealthRollB, -kStaminaRollB, -kDeadEyeRollB, 1000},
        OnFootCase{"slow_at_lower_edge", 0.55f, 200, kNoFile, false, false, Reaction::FullHit,
                   kHealthRollB, -kStaminaRollB, -kDeadEyeRollB, 1000},
        OnFootCase{"still_just_below_slow", Below(0.55f), 200, kNoFile, false, false,
                   Reaction::FullHit, 1, -1, -1, 500},
        OnFootCase{"still_standing", 0.0f, 200, kNoFile, false, false, Reaction::FullHit, 1, -1,
                   -1, 500},
        OnFootCase{"still_uses_raw_modifiers", 0.0f, 200, kNegativeModifiers, false, false,
                   Reaction::FullHit, -2, 3, 4, 500},
        // Zero rolls are negated into drains of -0.0: the sign bit travels.
        OnFootCase{"zero_modifiers_still_cry_and_wait", 3.0f, 200, kZeroModifiers, false, false,
                   Reaction::FullHit, 0, -0.0f, -0.0f, 250}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HealthAndMissions, OnFootDecision,
    testing::Values(
        OnFootCase{"health_137_full", 3.0f, 137, kNoFile, false, false, Reaction::FullHit,
                   kHealthRollA, -kStaminaRollA, -kDeadEyeRollA, 250},
        OnFootCase{"health_136_soft", 3.0f, 136, kNoFile, false, false, Reaction::SoftHit, 0,
                   -kStaminaRollA, -kDeadEyeRollA, 0},
        OnFootCase{"soft_slow_band_drains", 1.0f, 100, kNoFile, false, false, Reaction::SoftHit,
                   0, -kStaminaRollB, -kDeadEyeRollB, 0},
        OnFootCase{"soft_still_band_drains", 0.0f, 0, kNoFile, false, false, Reaction::SoftHit, 0,
                   -1, -1, 0},
        OnFootCase{"lethal_at_136_full", 3.0f, 136, kLethal, false, false, Reaction::FullHit,
                   kHealthRollA, -kStaminaRollA, -kDeadEyeRollA, 250},
        OnFootCase{"lethal_at_1_full", 1.0f, 1, kLethal, false, false, Reaction::FullHit,
                   kHealthRollB, -kStaminaRollB, -kDeadEyeRollB, 1000},
        OnFootCase{"mission_a_cry_only", 3.0f, 200, kNoFile, true, false, Reaction::CryOnly, 0,
                   0, 0, 0},
        OnFootCase{"mission_b_cry_only", 3.0f, 200, kNoFile, false, true, Reaction::CryOnly, 0,
                   0, 0, 0},
        OnFootCase{"mission_cry_only_even_if_lethal", 3.0f, 200, kLethal, true, false,
                   Reaction::CryOnly, 0, 0, 0, 0},
        OnFootCase{"mission_allowed_full", 3.0f, 200, kMissionsOn, true, false,
                   Reaction::FullHit, kHealthRollA, -kStaminaRollA, -kDeadEyeRollA, 250},
        OnFootCase{"mission_allowed_weak_soft", 3.0f, 100, kMissionsOn, false, true,
                   Reaction::SoftHit, 0, -kStaminaRollA, -kDeadEyeRollA, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class OnFootPass : public PluginFixture {};

TEST_F(OnFootPass, VetoedModelGetsNoReaction) {
    PlantAtPlayer(kCactus1, /*vetoed=*/true);
    EXPECT_EQ(WithoutMisses(RunPass()),
              Join({{Near(kPlayerAt, 0.6f, kCactus1), Veto(kPlayerAt, kCactus1, true)},
                    BushGates(),
                    {Wait(0)}}));
}

TEST_F(OnFootPass, RiderGetsNoOnFootReactionAtAnySpeed) {
    // Above the mounted bands, so only the on-mount checks remain.
    Mount(21.0f);
    World().character.speed = 3.0f;
    PlantAtPlayer(kCactus1);
    EXPECT_EQ(WithoutMisses(RunPass()),
              Join({{Near(kHorseAt, 0.6f, kCactus1), Near(kHorseAt, 0.7f, kCactus1)},
                    OnMountCheck(true),  // the mounted reaction's
                    OnMountCheck(true),  // the on-foot reaction's
                    // Every bush group is shut by the mount gate.
                    MissionCheck(false), OnMountCheck(true), MissionCheck(false),
                    OnMountCheck(true), MissionCheck(false), OnMountCheck(true),
                    MissionCheck(false), OnMountCheck(true), MissionCheck(false),
                    OnMountCheck(true),
                    {Wait(0)}}));
}

TEST_F(OnFootPass, OnlyTheFirstOfTwoFullHitsReacts) {
    PlantAtPlayer(kCactus2);
    PlantAtPlayer(kCactus1);
    EXPECT_EQ(WithoutMisses(RunPass()),
              Join({{Near(kPlayerAt, 0.6f, kCactus1)}, OnMountCheck(false), MissionCheck(false),
                    {Pain(0), Damage(kCharacter, kHealthRollA, 65245, kCharacter),
                     Stamina(kCharacter, -kStaminaRollA), DeadEye(-kDeadEyeRollA), Wait(250)},
                    // Still probed and asked about the mount, but no reaction.
                    {Near(kPlayerAt, 0.6f, kCactus2)}, OnMountCheck(false), BushGates(),
                    {Wait(0)}}));
}

TEST_F(OnFootPass, EverySoftHitReactsWithoutWaiting) {
    World().character.health = 136;
    PlantAtPlayer(kCactus1);
    PlantAtPlayer(kCactus2);
    const Lines softHit = {Pain(0), Damage(kCharacter, 0, 65245, kCharacter),
                           Stamina(kCharacter, -kStaminaRollA), DeadEye(-kDeadEyeRollA)};
    EXPECT_EQ(WithoutMisses(RunPass()),
              Join({{Near(kPlayerAt, 0.6f, kCactus1)}, OnMountCheck(false), MissionCheck(false),
                    softHit, {Near(kPlayerAt, 0.6f, kCactus2)}, OnMountCheck(false),
                    MissionCheck(false), softHit, BushGates(), {Wait(0)}}));
}

TEST_F(OnFootPass, EveryModelCriesInAMission) {
    World().missionA = true;
    PlantAtPlayer(kCactus1);
    PlantAtPlayer(kCactus2);
    const Lines pass = WithoutMisses(RunPass());
    EXPECT_EQ(std::count(pass.begin(), pass.end(), Pain(0)), 2);
    EXPECT_EQ(std::count_if(pass.begin(), pass.end(),
                            [](const std::string& l) { return l.starts_with("scriptWait(") && l != Wait(0); }),
              0);
}

TEST_F(OnFootPass, AFullHitInOnePassDoesNotStopTheNext) {
    PlantAtPlayer(kCactus1);
    const std::vector<Lines> passes = RunPasses(2);
    for (int p = 0; p < 2; ++p) {
        const Lines& pass = passes[static_cast<std::size_t>(p)];
        EXPECT_NE(std::find(pass.begin(), pass.end(), Pain(p)), pass.end()) << "pass " << p;
        EXPECT_NE(std::find(pass.begin(), pass.end(), Wait(250)), pass.end()) << "pass " << p;
    }
}

TEST_F(OnFootPass, EveryCactusModelIsProbedThreeTimesInOrder) {
    const Lines pass = RunPass();
    Lines probes;
    for (const std::string& line : pass) {
        if (line.starts_with("IsModelNear(") || line.starts_with("ModelVetoQuery(")) {
            probes.push_back(line);
        }
        if (probes.size() == 3 * kCactusModels.size()) break;
    }
    Lines expected;
    for (ModelHash model : kCactusModels) {
        expected.push_back(Near(kPlayerAt, 0.6f, model, false));
        expected.push_back(Near(kHorseAt, 0.7f, model, false));
        expected.push_back(Veto(kPlayerAt, model, false));
    }
    EXPECT_EQ(probes, expected);
}

}  // namespace
}  // namespace thornbrake::test
