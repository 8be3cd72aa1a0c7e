// Our profile reader (ProfileIntFromText) against Windows' own
// GetPrivateProfileIntA, as Wine implements it, on the same files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "profile_corpus.h"
#include "settings/profile_reader.h"
#include "wine_runner.h"
#include "windows_test_config.h"

namespace thornbrake::windows_test {
namespace {

std::string FileName(std::size_t index) { return "case-" + std::to_string(index) + ".ini"; }

// Every lookup of every case, answered by GetPrivateProfileIntA in a single
// Wine run (starting Wine once per file would cost seconds), in case order.
std::vector<std::int32_t> AskWindows(const std::vector<ProfileCase>& cases, const std::string& folderName) {
    const std::filesystem::path folder = FreshScratchFolder(folderName);
    std::string lookups;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::ofstream(folder / FileName(i), std::ios::binary) << cases[i].text;
        for (const ProfileLookup& lookup : cases[i].lookups) {
            lookups += ".\\" + FileName(i) + "\t" + lookup.section + "\t" + lookup.key + "\t" +
                       std::to_string(lookup.fallback) + "\n";
        }
    }
    const ProcessResult run = RunUnderWine(WindowsProgram("thornbrake-profile-probe"), {}, folder, lookups);
    if (run.exitCode != 0) throw std::runtime_error("the profile probe failed: " + Describe(run));
    std::vector<std::int32_t> answers;
    std::istringstream lines(run.out);
    for (std::int32_t answer = 0; lines >> answer;) answers.push_back(answer);
    return answers;
}

void ExpectSameAnswersAsWindows(const std::vector<ProfileCase>& cases, const std::string& folderName) {
    const std::vector<std::int32_t> windows = AskWindows(cases, folderName);
    std::size_t next = 0;
    for (const ProfileCase& profile : cases) {
        for (const ProfileLookup& lookup : profile.lookups) {
            ASSERT_LT(next, windows.size()) << "the probe answered fewer lookups than asked";
            EXPECT_EQ(ProfileIntFromText(profile.text, lookup.section, lookup.key, lookup.fallback), windows[next])
                << profile.name << ": [" << lookup.section << "] " << lookup.key << " (default " << lookup.fallback
                << ") in\n  " << Printable(profile.text);
            ++next;
        }
    }
    EXPECT_EQ(next, windows.size()) << "the probe answered more lookups than asked";
}

TEST(ProfileReaderAgainstWindows, HandWrittenFiles) {
    ExpectSameAnswersAsWindows(HandWrittenProfiles(), "profiles-hand-written");
}

TEST(ProfileReaderAgainstWindows, GeneratedFiles) {
    ExpectSameAnswersAsWindows(GeneratedProfiles(20240611, 400), "profiles-generated");
}

TEST(ProfileReaderAgainstWindows, ShippedSettingsFile) {
    std::ifstream in(kSourceDir / "packaging" / "Thornbrake.ini", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<ProfileLookup> lookups;
    for (const char* key : {"CactusHealthDamageModifier", "CactusStaminaDamageModifier",
                            "CactusDeadEyeDamageModifier", "CactusChollaEffect", "CactusChollaEffectDuration",
                            "CactusLethal"}) {
        lookups.push_back({"PLAYER_CACTUS_EFFECT", key, -1000});
    }
    for (const char* key : {"CactusHorseHealthDamageModifier", "CactusHorseStaminaDamageModifier",
                            "CactusHorseLethal"}) {
        lookups.push_back({"HORSE_CACTUS_EFFECT", key, -1000});
    }
    lookups.push_back({"BUSH_EFFECT", "TripChance", -1000});
    lookups.push_back({"BUSH_EFFECT", "TripCooldown", -1000});
    lookups.push_back({"MISC", "ToggleCactusInMission", -1000});
    lookups.push_back({"MISC", "ToggleBushInMission", -1000});
    ExpectSameAnswersAsWindows({{"the shipped Thornbrake.ini", text, lookups}}, "profiles-shipped");
}

}  // namespace
}  // namespace thornbrake::windows_test
