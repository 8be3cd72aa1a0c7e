#include "settings_check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "settings/profile_reader.h"
#include "sim/scenario/ini_lines.h"
#include "sim/scenario/nearest_name.h"

namespace thornbrake::cli {
namespace {

using scenario::IniLine;
using scenario::SettingKey;
using scenario::SettingUse;

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }
std::string Bracketed(std::string_view section) { return "[" + std::string(section) + "]"; }

std::optional<std::string_view> KnownSection(std::string_view name) {
    for (const std::string_view section : scenario::SettingSections()) {
        if (SameProfileName(section, name)) return section;
    }
    return std::nullopt;
}

// People write comments with ';' or '#'; the reader sees keys that no lookup
// matches, which is harmless, so they get no warning.
bool IsComment(const IniLine& line) {
    return !line.text.empty() && (line.text.front() == ';' || line.text.front() == '#');
}

class Checker {
public:
    explicit Checker(std::string_view text)
        : original_(text), text_(NarrowProfileText(text)), lines_(scenario::ScanIniLines(text_)) {}

    SettingsCheck Run() {
        ScanSections();
        for (const SettingKey& key : scenario::SettingKeys()) ReadKey(key);
        std::stable_sort(result_.warnings.begin(), result_.warnings.end(),
                         [](const SettingsWarning& a, const SettingsWarning& b) {
                             return a.line < b.line;
                         });
        return std::move(result_);
    }

private:
    void Warn(int line, std::string message) { result_.warnings.push_back({line, std::move(message)}); }

    // Sections, stray keys, unknown keys and keys in the wrong section.
    void ScanSections() {
        std::optional<std::string_view> section;  // the current header's name as written
        bool sectionIgnored = false;              // a repeated header: never searched
        std::map<std::string, int> firstHeader;   // upper-cased name -> line
        std::vector<std::string> knownKeys;
        for (const SettingKey& key : scenario::SettingKeys()) knownKeys.emplace_back(key.key);
        std::vector<std::string> knownSections;
        for (const std::string_view name : scenario::SettingSections()) knownSections.emplace_back(name);

        for (const IniLine& line : lines_) {
            if (line.kind == IniLine::Kind::Section) {
                section = line.name;
                std::string upper(line.name);
                for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
                const auto [it, first] = firstHeader.emplace(upper, line.number);
                sectionIgnored = !first;
                if (!first) {
                    Warn(line.number, "section " + Bracketed(line.name) + " appears again (first at line " +
                                          std::to_string(it->second) +
                                          "); the plugin reads only the first, so the keys below "
                                          "this header are ignored");
                } else if (!KnownSection(line.name)) {
                    std::string message = "unknown section " + Bracketed(line.name);
                    if (const auto near = scenario::NearestName(line.name, std::span<const std::string>(knownSections))) {
                        message += "; did you mean " + Bracketed(*near) + "?";
                    } else {
                        message += "; the plugin reads [PLAYER_CACTUS_EFFECT], [HORSE_CACTUS_EFFECT], "
                                   "[BUSH_EFFECT] and [MISC]";
                    }
                    Warn(line.number, message);
                }
                continue;
            }
            if (line.kind != IniLine::Kind::Key || IsComment(line) || sectionIgnored) continue;
            const SettingKey* key = scenario::FindSettingKey(line.name);
            if (!section) {
                Warn(line.number, Quoted(line.name) + " stands before any section and is never read" +
                                      (key ? "; it belongs under " + Bracketed(key->section) : ""));
                continue;
            }
            const auto known = KnownSection(*section);
            if (key == nullptr) {
                if (!known) continue;  // the unknown section has its own warning
                std::string message = "unknown key " + Quoted(line.name) + " in " + Bracketed(*section);
                if (const auto near = scenario::NearestName(line.name, std::span<const std::string>(knownKeys))) {
                    message += "; did you mean " + Quoted(*near) + "?";
                }
                message += " It is never read.";
                Warn(line.number, message);
                continue;
            }
            if (known && *known == key->section) continue;
            const auto where = FindReadLine(*key);
            Warn(line.number, Quoted(key->key) + " is read only from " + Bracketed(key->section) +
                                  "; under " + Bracketed(*section) + " it is ignored" +
                                  (where ? " (line " + std::to_string((*where)->number) + " applies)"
                                         : " and the default " + std::to_string(key->fallback) +
                                               " applies"));
        }
    }

    // The line the reader takes the key from: the first key of that name in
    // the first section of the key's section name.
    std::optional<const IniLine*> FindReadLine(const SettingKey& key) const {
        bool inside = false;
        for (const IniLine& line : lines_) {
            if (line.kind == IniLine::Kind::Section) {
                if (inside) return std::nullopt;
                inside = SameProfileName(line.name, key.section);
                continue;
            }
            if (inside && line.kind == IniLine::Kind::Key && SameProfileName(line.name, key.key)) {
                return &line;
            }
        }
        return std::nullopt;
    }

    // Later lines of the same name in the section that is read.
    void WarnRepeats(const SettingKey& key, const IniLine& first) {
        bool inside = false;
        bool pastFirst = false;
        for (const IniLine& line : lines_) {
            if (line.kind == IniLine::Kind::Section) {
                if (inside) return;
                inside = SameProfileName(line.name, key.section);
                continue;
            }
            if (&line == &first) {
                pastFirst = true;
                continue;
            }
            if (inside && pastFirst && line.kind == IniLine::Kind::Key && SameProfileName(line.name, key.key)) {
                Warn(line.number, Quoted(key.key) + " appears again (first at line " +
                                      std::to_string(first.number) + "); the first one wins, so this "
                                      "line is ignored");
            }
        }
    }

    void ReadKey(const SettingKey& key) {
        SettingReading reading;
        reading.key = &key;
        reading.value = ProfileIntFromText(original_, key.section, key.key, key.fallback);
        const auto line = FindReadLine(key);
        if (line) {
            const IniLine& found = **line;
            WarnRepeats(key, found);
            const std::string name = Quoted(key.key);
            const std::string fallback = std::to_string(key.fallback);
            if (!found.hasEquals) {
                Warn(found.number, name + " has no '=' and no value; the default " + fallback + " applies");
            } else if (found.value.empty()) {
                Warn(found.number, name + " is empty; the default " + fallback + " applies");
            } else {
                reading.line = found.number;
                WarnOnLooks(key, found, reading.value);
            }
        }
        if (reading.line != 0) WarnOnEffect(key, reading);
        result_.readings.push_back(reading);
    }

    // A value the reader reads differently from how it looks.
    void WarnOnLooks(const SettingKey& key, const IniLine& line, std::int32_t value) {
        const std::string name = Quoted(key.key);
        const std::string read = std::to_string(value);
        const bool quoted = line.rawValue.size() != line.value.size();
        if (quoted) {
            Warn(line.number, name + " is quoted; the quotes are removed and it reads as " + read);
        }
        // The reader converts only the start of a value (its buffer is small).
        const std::string_view converted = ConvertedProfileValue(line.rawValue);
        const std::size_t window = quoted ? kProfileIntegerMaxChars - 1 : kProfileIntegerMaxChars;
        const ProfileIntegerScan shape = ScanProfileInteger(converted);
        const std::string shown = Quoted(line.value);
        if (shape.digits == 0 && !shape.upperCasePrefix) {
            Warn(line.number, name + " = " + shown + " is not a number; it reads as " + read);
        } else if (shape.consumed == converted.size() && converted.size() < line.value.size()) {
            Warn(line.number, name + " = " + shown + " is too long: only its first " +
                                  std::to_string(window) + " characters are read, giving " + read);
        } else if (shape.consumed < line.value.size()) {
            std::string message = name + " = " + shown + " reads as " + read + ": reading stops at " +
                                  Quoted(line.value.substr(shape.consumed));
            message += shape.upperCasePrefix ? " (only a lower-case 0x, 0o or 0b starts a number in another base)"
                                             : " (no fractions, no inline comments)";
            Warn(line.number, message);
        } else if (!shape.fitsInt32) {
            Warn(line.number, name + " = " + shown + " does not fit in 32 bits and wraps around to " + read);
        }
    }

    // Values whose effect may surprise.
    void WarnOnEffect(const SettingKey& key, const SettingReading& reading) {
        const std::string name = Quoted(key.key);
        const std::string value = std::to_string(reading.value);
        const int line = reading.line;
        switch (key.use) {
            case SettingUse::Modifier:
                if (reading.value < 0) {
                    Warn(line, name + " is negative (" + value +
                                   "): cactus contact then restores what it would take (heals)");
                }
                break;
            case SettingUse::Duration:
                if (reading.value <= 0) {
                    Warn(line, name + " is " + value +
                                   ": a duration of 0 or less disables the lingering cholla effect");
                }
                break;
            case SettingUse::TripCooldown:
                if (reading.value < 0) {
                    Warn(line, name + " is negative (" + value + "): there is no cool-down after a trip");
                }
                break;
            case SettingUse::TripChance:
                if (reading.value <= 0) {
                    Warn(line, name + " is " + value + ": bushes never trip (each trip roll still holds "
                                                       "the plant effects for 0.1 s)");
                } else if (reading.value >= 100) {
                    Warn(line, name + " is " + value +
                                   ": 100 or more trips (nearly) every time a bush is crossed in a band");
                }
                break;
            case SettingUse::Switch:
                break;
        }
    }

    std::string_view original_;
    std::string text_;  // 8-bit, as the reader sees the file
    std::vector<IniLine> lines_;
    SettingsCheck result_;
};

}  // namespace

SettingsCheck CheckSettings(std::string_view text) { return Checker(text).Run(); }

}  // namespace thornbrake::cli
