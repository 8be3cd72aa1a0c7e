// Which setting scales which roll: the amounts that reach the game in a
// full hit, with a different modifier on each of them.
#include <algorithm>

#include "plugin_fixture.h"

namespace thornbrake::test {
namespace {

class DamageRollWiring : public PluginFixture {};

TEST_F(DamageRollWiring, EachModifierScalesItsOwnRolls) {
    SetSettings(
        "[PLAYER_CACTUS_EFFECT]\nCactusHealthDamageModifier=3\nCactusStaminaDamageModifier=-1\n"
        "CactusDeadEyeDamageModifier=2\n"
        "[HORSE_CACTUS_EFFECT]\nCactusHorseHealthDamageModifier=5\n"
        "CactusHorseStaminaDamageModifier=-3\n");
    PlantAtPlayer(kCactusModels[0]);
    const Lines onFoot = RunPass();
    // Rolls 160, 80 and 60 of the fast band: 160*3/4, -(80*-1/4), -(60*2/4).
    for (const std::string& line : {Damage(kCharacter, 120, 65245, kCharacter),
                                    Stamina(kCharacter, 20), DeadEye(-30)}) {
        EXPECT_NE(std::find(onFoot.begin(), onFoot.end(), line), onFoot.end()) << line;
    }

    World().plants.clear();
    Mount(10.0f);
    PlantAtHorse(kCactusModels[0]);
    const Lines mounted = RunPass();
    // Rolls 80 and 100 of the fast mounted band: 80*5/4 and -(100*-3/4).
    for (const std::string& line : {Damage(kHorse, 100, 65245, 0), Stamina(kHorse, 75)}) {
        EXPECT_NE(std::find(mounted.begin(), mounted.end(), line), mounted.end()) << line;
    }
}

TEST_F(DamageRollWiring, ExtremeModifiersSaturateInsteadOfWrapping) {
    SetSettings("[PLAYER_CACTUS_EFFECT]\nCactusHealthDamageModifier=2147483647\n"
                "CactusStaminaDamageModifier=-2147483648\n");
    PlantAtPlayer(kCactusModels[0]);
    const Lines pass = RunPass();
    // 160 x max saturates at max, then / 4; the stamina roll at min / 4,
    // negated into a gain.
    for (const std::string& line : {Damage(kCharacter, 2147483647 / 4, 65245, kCharacter),
                                    Stamina(kCharacter, 536870912.0f)}) {
        EXPECT_NE(std::find(pass.begin(), pass.end(), line), pass.end()) << line;
    }
}

}  // namespace
}  // namespace thornbrake::test
