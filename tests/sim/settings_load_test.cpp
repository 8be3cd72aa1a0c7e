// The settings reads of a load, answered from the session's settings text.
#include <gtest/gtest.h>

#include "host/platform.h"
#include "settings/settings.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;

using SettingsLoad = HostTest;

TEST_F(SettingsLoad, ThirteenReadsOfTheSettingsFileInOrder) {
    host.Load(std::nullopt);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier"},
        {"PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier"},
        {"PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier"},
        {"PLAYER_CACTUS_EFFECT", "CactusChollaEffect"},
        {"PLAYER_CACTUS_EFFECT", "CactusChollaEffectDuration"},
        {"PLAYER_CACTUS_EFFECT", "CactusLethal"},
        {"HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier"},
        {"HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier"},
        {"HORSE_CACTUS_EFFECT", "CactusHorseLethal"},
        {"BUSH_EFFECT", "TripChance"},
        {"BUSH_EFFECT", "TripCooldown"},
        {"MISC", "ToggleCactusInMission"},
        {"MISC", "ToggleBushInMission"},
    };
    std::vector<std::pair<std::string, std::string>> read;
    for (const ProfileRead& r : host.ProfileReads()) {
        read.emplace_back(r.section, r.key);
        EXPECT_EQ(r.path, ".\\Thornbrake.ini");
        EXPECT_EQ(r.value, r.fallback) << "no file: every read answers its default";
    }
    EXPECT_EQ(read, expected);
}

TEST_F(SettingsLoad, ValuesComeFromTheSessionsSettingsText) {
    host.Load(
        "[PLAYER_CACTUS_EFFECT]\r\n"
        "CactusLethal=1\r\n"
        "CactusHealthDamageModifier = -3\r\n"
        "[BUSH_EFFECT]\n"
        "TripCooldown=0x10\n"
        "[MISC]\n"
        "TripChance=40\n");  // not its section: default
    EXPECT_TRUE(gSettings.CactusLethal);
    EXPECT_EQ(gSettings.CactusHealthDamageModifier, -3);
    EXPECT_EQ(gSettings.TripCooldown, 16);
    EXPECT_EQ(gSettings.TripChance, 15);
    EXPECT_EQ(gSettings.CactusChollaEffectDuration, 30);
}

TEST_F(SettingsLoad, ALaterLoadWithoutAFileGoesBackToTheDefaults) {
    host.Load("[BUSH_EFFECT]\nTripChance=40\n");
    ASSERT_EQ(gSettings.TripChance, 40);
    host.Load(std::nullopt);
    EXPECT_EQ(gSettings.TripChance, 15);
}

TEST_F(SettingsLoad, OnlyThePluginsOwnFileExists) {
    host.Load("[BUSH_EFFECT]\nTripChance=40\n");
    EXPECT_EQ(thornbrake::platform::ReadProfileInt("BUSH_EFFECT", "TripChance", 3, ".\\Other.ini"), 3);
    EXPECT_EQ(thornbrake::platform::ReadProfileInt("BUSH_EFFECT", "TripChance", 3, kSettingsPath), 40);
}

TEST(SettingsWithoutHost, ReadsAnswerTheFallbackAsDuringStaticInitialisation) {
    ASSERT_EQ(BoundHostSeam(), nullptr);
    EXPECT_EQ(thornbrake::platform::ReadProfileInt("BUSH_EFFECT", "TripChance", 15, kSettingsPath), 15);
    EXPECT_EQ(thornbrake::platform::ReadProfileInt("MISC", "X", -4, kSettingsPath), -4);
}

}  // namespace
}  // namespace thornbrake::sim
