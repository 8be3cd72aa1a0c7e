// The thirteen settings keys as the plugin reads them: section, key name,
// default and whether the value is used as a switch. In read order.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace thornbrake::scenario {

enum class SettingUse : std::uint8_t {
    Modifier,   // multiplies damage rolls; negative values heal
    Switch,     // non-zero is true
    Duration,   // cholla ticks
    TripChance,
    TripCooldown,
};

struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::int32_t fallback;
    SettingUse use;
    std::string_view meaning;  // one line, for the commented default file
};

std::span<const SettingKey> SettingKeys();

// The four section names, in file order.
std::span<const std::string_view> SettingSections();

// The key of that name, compared regardless of case as the reader does.
const SettingKey* FindSettingKey(std::string_view key);

}  // namespace thornbrake::scenario
