// Inline overrides of a scenario must reach the plugin through its own
// reader: the overridden keys read as the override, every other key exactly
// as the file had it, whatever the file's layout.
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_reader.h"
#include "sim/scenario/setting_keys.h"
#include "sim/scenario/settings_text.h"

namespace thornbrake::scenario {
namespace {

using namespace std::string_view_literals;

struct Layout {
    const char* what;
    std::string_view text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Layout& c, std::ostream* os) { *os << c.what; }


const Layout kLayouts[] = {
    {"no file at all", ""},
    {"the key already set", "[BUSH_EFFECT]\nTripChance=3\nTripCooldown=7\n"},
    {"section names in another case", "[bush_effect]\ntripchance=3\n[misc]\nToggleBushInMission=1\n"},
    {"a repeated section: only the first is read",
     "[BUSH_EFFECT]\nTripCooldown=2\n[BUSH_EFFECT]\nTripChance=9\n"},
    {"CR LF and a byte order mark", "\xEF\xBB\xBF[BUSH_EFFECT]\r\nTripChance=3\r\n[MISC]\r\n"},
    {"old Mac line ends", "[BUSH_EFFECT]\rTripChance=3\r[PLAYER_CACTUS_EFFECT]\rCactusLethal=1\r"},
    {"a header on the last line without a line end", "[MISC]\nToggleCactusInMission=1\n[BUSH_EFFECT]"},
    {"a key without a value first", "[BUSH_EFFECT]\nTripChance\nTripChance=5\n"},
    {"UTF-16", "\xFF\xFE[\0B\0U\0S\0H\0_\0E\0F\0F\0E\0C\0T\0]\0\n\0T\0r\0i\0p\0C\0o\0o\0l\0d\0o\0w\0n\0=\0\x39\0\n\0"sv},
};

class OverrideLayouts : public testing::TestWithParam<Layout> {};

TEST_P(OverrideLayouts, OverridesWinAndNothingElseChanges) {
    const std::string original(GetParam().text);
    const std::vector<SettingOverride> overrides = {
        {"TripChance", 42}, {"CactusLethal", 0}, {"CactusHorseStaminaDamageModifier", -7}};
    const std::string changed = ApplyOverrides(original, overrides);
    for (const SettingKey& key : SettingKeys()) {
        std::int32_t expected = ProfileIntFromText(original, key.section, key.key, key.fallback);
        for (const SettingOverride& entry : overrides) {
            if (entry.key == key.key) expected = entry.value;
        }
        EXPECT_EQ(ProfileIntFromText(changed, key.section, key.key, key.fallback), expected)
            << key.key << " in:\n" << changed;
    }
}

INSTANTIATE_TEST_SUITE_P(FileLayouts, OverrideLayouts, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout>& info) {
                             return "layout" + std::to_string(info.index);
                         });

TEST(SettingsText, NoFileAndNoOverridesMeansNoFile) {
    EXPECT_FALSE(SettingsTextFor({}, {}).has_value());
    EXPECT_TRUE(SettingsTextFor({}, std::vector<SettingOverride>{{"TripChance", 1}}).has_value());
}

}  // namespace
}  // namespace thornbrake::scenario
