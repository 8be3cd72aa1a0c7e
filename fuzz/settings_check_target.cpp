#include "settings_check_target.h"

#include <algorithm>

#include "settings/profile_reader.h"
#include "settings_check.h"
#include "sim/scenario/ini_lines.h"
#include "sim/scenario/setting_keys.h"

namespace thornbrake::fuzz {

std::string CheckSettingsChecker(std::string_view input) {
    const cli::SettingsCheck check = cli::CheckSettings(input);
    const auto keys = scenario::SettingKeys();
    if (check.readings.size() != keys.size()) return "not one reading per key";

    const int lastLine = static_cast<int>(scenario::ScanIniLines(input).size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const cli::SettingReading& reading = check.readings[i];
        const scenario::SettingKey& key = keys[i];
        if (reading.key != &key) return "readings out of read order at " + std::string(key.key);
        // The checker must report exactly what the plugin will read.
        if (reading.value != ProfileIntFromText(input, key.section, key.key, key.fallback)) {
            return "the value of " + std::string(key.key) + " differs from the plugin's reader";
        }
        if (reading.line < 0 || reading.line > lastLine) {
            return "the line of " + std::string(key.key) + " is outside the file";
        }
    }
    for (const cli::SettingsWarning& warning : check.warnings) {
        if (warning.line < 0 || warning.line > lastLine) return "a warning points outside the file";
        if (warning.message.empty()) return "a warning without a message";
    }
    if (!std::is_sorted(check.warnings.begin(), check.warnings.end(),
                        [](const auto& a, const auto& b) { return a.line < b.line; })) {
        return "warnings out of line order";
    }
    return {};
}

}  // namespace thornbrake::fuzz
