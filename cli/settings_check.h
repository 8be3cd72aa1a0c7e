// What the plugin will make of a settings file: the thirteen values exactly as
// its reader reads them, where each comes from, and warnings about everything
// the reader silently ignores or reads differently from how it looks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/scenario/setting_keys.h"

namespace thornbrake::cli {

struct SettingReading {
    const scenario::SettingKey* key = nullptr;
    std::int32_t value = 0;
    int line = 0;  // the line the value was read from; 0 when the default applies
};

struct SettingsWarning {
    int line = 0;  // 0: about the file as a whole
    std::string message;
};

struct SettingsCheck {
    std::vector<SettingReading> readings;  // the thirteen keys, in read order
    std::vector<SettingsWarning> warnings; // in line order
};

SettingsCheck CheckSettings(std::string_view text);

}  // namespace thornbrake::cli
