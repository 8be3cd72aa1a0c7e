// check-settings: the warnings a modder gets for each kind of mistake, and
// that the line it names is the one the plugin's reader really uses.
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "default_settings_file.h"
#include "settings/profile_reader.h"
#include "settings_check.h"
#include "sim/scenario/ini_lines.h"

namespace thornbrake::cli {
namespace {

struct ExpectedWarning {
    int line;
    const char* phrase;
};

struct WarningCase {
    const char* what;
    const char* text;
    std::vector<ExpectedWarning> warnings;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WarningCase& c, std::ostream* os) { *os << c.what; }


class SettingsWarnings : public testing::TestWithParam<WarningCase> {};

TEST_P(SettingsWarnings, WarnsOnceAtTheRightLine) {
    const WarningCase& c = GetParam();
    const SettingsCheck check = CheckSettings(c.text);
    ASSERT_EQ(check.warnings.size(), c.warnings.size()) << c.what << "\n" << [&] {
        std::string all;
        for (const auto& w : check.warnings) all += std::to_string(w.line) + ": " + w.message + "\n";
        return all;
    }();
    for (std::size_t i = 0; i < c.warnings.size(); ++i) {
        EXPECT_EQ(check.warnings[i].line, c.warnings[i].line) << c.what;
        EXPECT_NE(check.warnings[i].message.find(c.warnings[i].phrase), std::string::npos)
            << c.what << ": " << check.warnings[i].message;
    }
}

const WarningCase kWarningCases[] = {
    {"a clean file", "[BUSH_EFFECT]\nTripChance=20\n; a comment\n# another\n", {}},
    {"unknown section", "[BUSH_EFECT]\nTripChance=20\n",
     {{1, "unknown section [BUSH_EFECT]; did you mean [BUSH_EFFECT]?"},
      {2, "'TripChance' is read only from [BUSH_EFFECT]; under [BUSH_EFECT] it is ignored and "
          "the default 15 applies"}}},
    {"unknown key", "[BUSH_EFFECT]\nTripChanse=20\n",
     {{2, "unknown key 'TripChanse' in [BUSH_EFFECT]; did you mean 'TripChance'?"}}},
    {"key in the wrong section, also set rightly", "[MISC]\nTripChance=20\n[BUSH_EFFECT]\nTripChance=5\n",
     {{2, "under [MISC] it is ignored (line 4 applies)"}}},
    {"key before any section", "TripChance=20\n[BUSH_EFFECT]\n",
     {{1, "stands before any section and is never read; it belongs under [BUSH_EFFECT]"}}},
    {"trailing letters", "[BUSH_EFFECT]\nTripChance=12abc\n", {{2, "reads as 12: reading stops at 'abc'"}}},
    {"a fraction", "[BUSH_EFFECT]\nTripChance=1.5\n", {{2, "reads as 1: reading stops at '.5'"}}},
    {"an inline comment", "[BUSH_EFFECT]\nTripChance=20 ; twenty\n", {{2, "reads as 20: reading stops at ' ; twenty'"}}},
    {"a word", "[MISC]\nToggleBushInMission=yes\n", {{2, "'yes' is not a number; it reads as 0"}}},
    {"quoted", "[BUSH_EFFECT]\nTripChance=\"20\"\n", {{2, "quotes are removed and it reads as 20"}}},
    {"empty", "[BUSH_EFFECT]\nTripChance=\n", {{2, "is empty; the default 15 applies"}}},
    {"no '='", "[BUSH_EFFECT]\nTripChance\n", {{2, "has no '=' and no value; the default 15 applies"}}},
    {"beyond 32 bits", "[BUSH_EFFECT]\nTripCooldown=4294967297\n", {{2, "wraps around to 1"}}},
    {"an upper-case hex prefix", "[BUSH_EFFECT]\nTripCooldown=0X1F\n",
     {{2, "reads as 0: reading stops at 'X1F' (only a lower-case 0x"}}},
    {"too long to be read whole", "[BUSH_EFFECT]\nTripCooldown=000000000000000000000000000000025\n",
     {{2, "only its first 29 characters are read, giving 0"}}},
    {"repeated key: the first wins", "[BUSH_EFFECT]\nTripChance=20\nTripChance=30\n",
     {{3, "appears again (first at line 2); the first one wins"}}},
    {"repeated section", "[MISC]\n[BUSH_EFFECT]\nTripChance=20\n[bush_effect]\nTripCooldown=1\n",
     {{4, "section [bush_effect] appears again (first at line 2)"}}},
    {"negative modifier heals", "[HORSE_CACTUS_EFFECT]\nCactusHorseHealthDamageModifier=-1\n",
     {{2, "is negative (-1): cactus contact then restores what it would take (heals)"}}},
    {"no lingering", "[PLAYER_CACTUS_EFFECT]\nCactusChollaEffectDuration=0\n",
     {{2, "disables the lingering cholla effect"}}},
    {"no cool-down", "[BUSH_EFFECT]\nTripCooldown=-2\n", {{2, "no cool-down after a trip"}}},
    {"never trips", "[BUSH_EFFECT]\nTripChance=0\n", {{2, "bushes never trip"}}},
    {"always trips", "[BUSH_EFFECT]\nTripChance=100\n", {{2, "100 or more trips (nearly) every time"}}},
    {"ordinary edge values stay quiet",
     "[BUSH_EFFECT]\nTripChance=99\nTripCooldown=0\n[PLAYER_CACTUS_EFFECT]\nCactusHealthDamageModifier=0\n"
     "CactusChollaEffectDuration=1\nCactusLethal=0x1\n",
     {}},
};

INSTANTIATE_TEST_SUITE_P(OnePerKind, SettingsWarnings, testing::ValuesIn(kWarningCases),
                         [](const testing::TestParamInfo<WarningCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

// The line a reading names must hold the value the plugin reads, in files
// laid out the awkward ways the reader allows.
TEST(SettingsCheck, NamedLineHoldsTheValueTheReaderReads) {
    const char* files[] = {
        "[BUSH_EFFECT]\rTripChance=3\r[MISC]\rToggleBushInMission=2\r",
        "\xEF\xBB\xBF\r\n[ bush_effect ]\r\n  tripchance  =  '7'  \r\n",
        "[BUSH_EFFECT\nTripChance=1\n[BUSH_EFFECT]\nTripChance=4\nTripChance=5\n",
        "[PLAYER_CACTUS_EFFECT]\nCactusLethal\nCactusLethal=1\n[BUSH_EFFECT]]\nTripCooldown=-1\n",
        "[MISC]\n[BUSH_EFFECT]\n[BUSH_EFFECT]\nTripChance=9\n",
        "[BUSH_EFFECT]\nTripChance=\"0000000000000000000000000012\"\nTripCooldown=  \x01-3\n",
    };
    for (const std::string_view text : files) {
        const SettingsCheck check = CheckSettings(text);
        const auto lines = scenario::ScanIniLines(text);
        for (const SettingReading& reading : check.readings) {
            EXPECT_EQ(reading.value,
                      ProfileIntFromText(text, reading.key->section, reading.key->key, reading.key->fallback));
            if (reading.line == 0) {
                EXPECT_EQ(reading.value, reading.key->fallback) << reading.key->key << " in " << text;
                continue;
            }
            const scenario::IniLine& line = lines.at(static_cast<std::size_t>(reading.line - 1));
            EXPECT_EQ(ParseProfileInteger(line.value), reading.value) << reading.key->key << " in " << text;
        }
    }
}

// A NUL ends a name or a value, and a UTF-16 file is read through its 8-bit
// form; the checker must see what the reader sees.
TEST(SettingsCheck, FollowsTheReaderThroughNulAndUtf16) {
    using namespace std::string_literals;
    const std::string nul = "[BUSH_EFFECT]\nTripChance=2\0" "5\nTripCooldown\0x=7\n"s;
    const SettingsCheck checked = CheckSettings(nul);
    EXPECT_EQ(checked.readings[9].value, 2);
    EXPECT_EQ(checked.readings[9].line, 2);
    EXPECT_EQ(checked.readings[10].value, 7);
    EXPECT_EQ(checked.readings[10].line, 3);

    std::string utf16 = "\xFF\xFE"s;
    for (const char c : "[BUSH_EFFECT]\r\nTripChance=40\r\n[M\xC9SC]\r\nToggleBushInMission=1\r\n"s) {
        utf16 += c;
        utf16 += '\0';
    }
    const SettingsCheck wide = CheckSettings(utf16);
    EXPECT_EQ(wide.readings[9].value, 40);
    EXPECT_EQ(wide.readings[9].line, 2);
    EXPECT_EQ(wide.readings[12].line, 0);  // the section name holds a non-ASCII letter
    ASSERT_FALSE(wide.warnings.empty());
    EXPECT_NE(wide.warnings[0].message.find("unknown section"), std::string::npos);
}

TEST(SettingsCheck, DefaultFileIsCleanAndSetsEveryDefault) {
    const SettingsCheck check = CheckSettings(DefaultSettingsFile());
    EXPECT_TRUE(check.warnings.empty());
    ASSERT_EQ(check.readings.size(), 13u);
    for (const SettingReading& reading : check.readings) {
        EXPECT_NE(reading.line, 0) << reading.key->key << " is not written out";
        EXPECT_EQ(reading.value, reading.key->fallback) << reading.key->key;
    }
}

}  // namespace
}  // namespace thornbrake::cli
