#include "sim/scenario/settings_text.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "settings/profile_reader.h"
#include "sim/scenario/ini_lines.h"
#include "sim/scenario/setting_keys.h"

namespace thornbrake::scenario {
namespace {

std::string OverrideLine(const SettingOverride& entry) {
    return entry.key + "=" + std::to_string(entry.value) + "\n";
}

}  // namespace

std::string ApplyOverrides(std::string_view original, std::span<const SettingOverride> overrides) {
    if (overrides.empty()) return std::string(original);
    // Lines cannot be inserted into UTF-16 as bytes; the 8-bit form reads the same.
    const std::string narrow = NarrowProfileText(original);
    const std::string_view fileText = narrow;
    std::string result(fileText);
    const std::vector<IniLine> lines = ScanIniLines(fileText);

    // Insert from the back so earlier offsets stay valid.
    struct Insertion {
        std::size_t offset;
        std::string text;
    };
    std::vector<Insertion> insertions;
    std::string appended;
    for (const std::string_view section : SettingSections()) {
        std::string block;
        for (const SettingOverride& entry : overrides) {
            const SettingKey* key = FindSettingKey(entry.key);
            if (key != nullptr && key->section == section) block += OverrideLine(entry);
        }
        if (block.empty()) continue;
        const IniLine* header = nullptr;
        for (const IniLine& line : lines) {
            if (line.kind == IniLine::Kind::Section && SameProfileName(line.name, section)) {
                header = &line;
                break;
            }
        }
        if (header == nullptr) {
            appended += "[" + std::string(section) + "]\n" + block;
            continue;
        }
        const bool endsWithoutNewline =
            header->endOffset == fileText.size() &&
            (fileText.empty() || (fileText.back() != '\n' && fileText.back() != '\r'));
        insertions.push_back({header->endOffset, (endsWithoutNewline ? "\n" : "") + block});
    }
    std::sort(insertions.begin(), insertions.end(),
              [](const Insertion& a, const Insertion& b) { return a.offset > b.offset; });
    for (const Insertion& insertion : insertions) result.insert(insertion.offset, insertion.text);
    if (!appended.empty()) {
        if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += "\n";
        result += appended;
    }
    return result;
}

std::optional<std::string> SettingsTextFor(const std::filesystem::path& settingsFile,
                                           std::span<const SettingOverride> overrides) {
    if (settingsFile.empty() && overrides.empty()) return std::nullopt;
    std::string text;
    if (!settingsFile.empty()) {
        std::ifstream in(settingsFile, std::ios::binary);
        if (!in) throw std::runtime_error(settingsFile.string() + ": cannot read the settings file");
        std::ostringstream content;
        content << in.rdbuf();
        text = content.str();
    }
    return ApplyOverrides(text, overrides);
}

}  // namespace thornbrake::scenario
