#include "timeline_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <fmt/format.h>

#include "sim/scenario/plant_names.h"
#include "sim/scenario/setting_keys.h"

namespace thornbrake::cli {
namespace {

std::string Amount(double value) {
    if (std::fabs(value - std::round(value)) < 0.005) return fmt::format("{:+.0f}", value);
    return fmt::format("{:+.1f}", value);
}

std::string Number(double value) {
    if (std::fabs(value - std::round(value)) < 0.005) return fmt::format("{:.0f}", value);
    return fmt::format("{:.1f}", value);
}

std::string Seconds(std::int64_t ms) { return fmt::format("{:.2f} s", static_cast<double>(ms) / 1000.0); }

std::string_view OnFootBand(float speed) {
    if (speed > 8.33f) return "too fast";
    if (speed >= 1.38f) return "fast band";
    if (speed >= 0.55f) return "slow band";
    return "still band";
}

std::string_view MountedBand(float speed) {
    if (speed > 20.83f) return "too fast";
    if (speed >= 5.83f) return "fast band";
    if (speed >= 0.55f) return "slow band";
    return "still band";
}

std::string Where(const TimelineEvent& e) {
    if (!e.hasPlant) return scenario::NameOfModel(e.model);
    return fmt::format("{} at ({:.1f}, {:.1f})", scenario::NameOfModel(e.model), e.plantX, e.plantY);
}

std::string Repeats(const TimelineEvent& e) {
    if (e.repeats == 1) return "";
    return fmt::format(" x{} in {:.1f} s", e.repeats, static_cast<double>(e.endMs - e.startMs) / 1000.0);
}

std::string Cries(int cries) {
    if (cries == 0) return "";
    return cries == 1 ? "cry" : fmt::format("{} cries", cries);
}

// "health -37 -> 263, stamina -20 -> 80"; only what changed.
std::string CharacterChanges(const TimelineEvent& e, bool showZeroHealth) {
    std::vector<std::string> parts;
    if (!Cries(e.cries).empty()) parts.push_back(Cries(e.cries));
    if (e.health != 0) {
        parts.push_back(fmt::format("health {} -> {}", Amount(static_cast<double>(e.health)), e.healthAfter));
    } else if (showZeroHealth) {
        parts.push_back(e.damageAsked != 0 ? fmt::format("no health lost ({} asked)", e.damageAsked)
                                           : std::string("no health damage"));
    }
    if (std::fabs(e.stamina) >= 0.05) {
        parts.push_back(fmt::format("stamina {} -> {}", Amount(e.stamina), Number(e.staminaAfter)));
    }
    if (std::fabs(e.deadEye) >= 0.05) {
        parts.push_back(fmt::format("dead-eye {} -> {}", Amount(e.deadEye), Number(e.deadEyeAfter)));
    }
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string HorseChanges(const TimelineEvent& e) {
    std::vector<std::string> parts = {"agitated"};
    if (e.horseHealth != 0) {
        parts.push_back(fmt::format("health {} -> {}", Amount(static_cast<double>(e.horseHealth)),
                                    e.horseHealthAfter));
    }
    if (std::fabs(e.horseStamina) >= 0.05) {
        parts.push_back(fmt::format("stamina {} -> {}", Amount(e.horseStamina), Number(e.horseStaminaAfter)));
    }
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string Held(const TimelineEvent& e) {
    if (e.heldMs == 0) return "";
    return "; effects held " + Seconds(e.heldMs);
}

std::string Describe(const TimelineEvent& e) {
    const std::string speed = fmt::format("{:.2f} m/s", e.speed);
    switch (e.kind) {
        case EventKind::CactusHit:
        case EventKind::CactusSoftHit:
            return fmt::format("{}, {} ({}): {}{}: {}{}", Where(e), speed, OnFootBand(e.speed),
                               PhraseOf(e.kind), Repeats(e), CharacterChanges(e, true), Held(e));
        case EventKind::CactusMissionCry:
            return fmt::format("{}: {}{}", Where(e), PhraseOf(e.kind), Repeats(e));
        case EventKind::ChollaHit: {
            std::string linger;
            if (e.armed) {
                linger = e.tickLimit > 0 ? fmt::format("; lingering effect for {} ticks", e.tickLimit)
                                         : std::string("; no lingering (duration 0 or less)");
            }
            return fmt::format("{}, {}: {}{}: {}{}{}", Where(e), speed, PhraseOf(e.kind), Repeats(e),
                               CharacterChanges(e, true), linger, Held(e));
        }
        case EventKind::ChollaWeakHit:
            return fmt::format("{}, {}: {}{}: {}{}", Where(e), speed, PhraseOf(e.kind), Repeats(e),
                               CharacterChanges(e, true), Held(e));
        case EventKind::ChollaTick:
        case EventKind::ChollaTickCry: {
            const int first = e.tickCount - e.repeats + 1;
            const std::string ticks = e.repeats == 1
                                          ? fmt::format("tick {} of {}", e.tickCount, e.tickLimit)
                                          : fmt::format("ticks {}-{} of {}", first, e.tickCount, e.tickLimit);
            return fmt::format("{}, {}{}: {}{}", PhraseOf(e.kind), ticks, Repeats(e),
                               CharacterChanges(e, false), Held(e));
        }
        case EventKind::Trip:
            return fmt::format("{}, {}: TRIPPED (roll {} below {}): {}; cool-down {}, effects held {}", Where(e),
                               speed, e.tripRoll, e.tripThreshold, CharacterChanges(e, false),
                               Seconds(e.coolDownMs), Seconds(e.heldMs));
        case EventKind::TripRollFailed:
            if (e.repeats == 1) {
                return fmt::format("{}, {}: trip roll {}, needed below {}: no trip{}", Where(e), speed,
                                   e.tripRoll, e.tripThreshold, Held(e));
            }
            return fmt::format("{}, {}: {} trip rolls, none below {}: no trip{}", Where(e), speed,
                               e.repeats, e.tripThreshold, Held(e));
        case EventKind::HorseCactusHit:
        case EventKind::HorseCactusSoftHit:
        case EventKind::HorseAgitated:
            return fmt::format("{}, {} ({}): {}{}: {}{}", Where(e), speed, MountedBand(e.speed),
                               PhraseOf(e.kind), Repeats(e), HorseChanges(e), Held(e));
        case EventKind::HorseChollaHit:
            return fmt::format("{}, {}: {}{}: {}{}", Where(e), speed, PhraseOf(e.kind), Repeats(e),
                               HorseChanges(e), Held(e));
        default:
            return std::string(PhraseOf(e.kind));
    }
}

std::string_view WhoText(Who who) {
    switch (who) {
        case Who::Character: return "char";
        case Who::Horse: return "horse";
        case Who::World: return "world";
    }
    return "";
}

}  // namespace

std::string DescribeEvent(const TimelineEvent& event) { return Describe(event); }

std::string FormatEventLine(const TimelineEvent& event) {
    return fmt::format("{:>8.2f}  {:<6} {}", static_cast<double>(event.startMs) / 1000.0,
                       WhoText(WhoOf(event.kind)), Describe(event));
}

std::string FormatTimeline(const std::vector<TimelineEvent>& timeline) {
    std::string out = fmt::format("{:>8}  {:<6} {}\n", "time (s)", "who", "what happened");
    for (const TimelineEvent& event : timeline) out += FormatEventLine(event) + "\n";
    if (timeline.empty()) out += "          (nothing happened)\n";
    return out;
}

std::string FormatSummary(const Summary& summary) {
    std::string out = "Summary\n";
    std::optional<Who> group;
    for (const Figure& figure : summary) {
        if (!group || *group != figure.who) {
            group = figure.who;
            out += figure.who == Who::Character ? "  character\n"
                   : figure.who == Who::Horse   ? "  horse\n"
                                                : "  plugin\n";
        }
        out += fmt::format("    {:<34}{:>10.{}f}\n", figure.label, figure.value, figure.decimals);
    }
    return out;
}

std::vector<std::pair<std::string_view, std::int32_t>> SettingValues(const Settings& s) {
    return {
        {"CactusHealthDamageModifier", s.CactusHealthDamageModifier},
        {"CactusStaminaDamageModifier", s.CactusStaminaDamageModifier},
        {"CactusDeadEyeDamageModifier", s.CactusDeadEyeDamageModifier},
        {"CactusChollaEffect", s.CactusChollaEffect ? 1 : 0},
        {"CactusChollaEffectDuration", s.CactusChollaEffectDuration},
        {"CactusLethal", s.CactusLethal ? 1 : 0},
        {"CactusHorseHealthDamageModifier", s.CactusHorseHealthDamageModifier},
        {"CactusHorseStaminaDamageModifier", s.CactusHorseStaminaDamageModifier},
        {"CactusHorseLethal", s.CactusHorseLethal ? 1 : 0},
        {"TripChance", s.TripChance},
        {"TripCooldown", s.TripCooldown},
        {"ToggleCactusInMission", s.ToggleCactusInMission ? 1 : 0},
        {"ToggleBushInMission", s.ToggleBushInMission ? 1 : 0},
    };
}

std::string FormatChangedSettings(const Settings& settings) {
    std::string out;
    for (const auto& [key, value] : SettingValues(settings)) {
        const scenario::SettingKey* known = scenario::FindSettingKey(key);
        if (known == nullptr || known->fallback == value) continue;
        out += fmt::format("{}{} {}", out.empty() ? "" : ", ", key, value);
    }
    return out.empty() ? std::string("all defaults") : out;
}

std::string FormatRolls(const std::vector<std::int32_t>& rolls, const Settings& s) {
    if (rolls.size() < 10) return "damage rolls: (the effect loop did not start)";
    auto scaled = [&](std::size_t i, std::int32_t modifier) {
        return static_cast<std::int64_t>(rolls[i]) * modifier / 4;
    };
    return fmt::format(
        "rolled for this run (fast/slow band): on foot health {}/{}, stamina {}/{}, dead-eye {}/{}; "
        "horse health {}/{}, stamina {}/{}",
        scaled(0, s.CactusHealthDamageModifier), scaled(1, s.CactusHealthDamageModifier),
        scaled(2, s.CactusStaminaDamageModifier), scaled(3, s.CactusStaminaDamageModifier),
        scaled(4, s.CactusDeadEyeDamageModifier), scaled(5, s.CactusDeadEyeDamageModifier),
        scaled(6, s.CactusHorseHealthDamageModifier), scaled(7, s.CactusHorseHealthDamageModifier),
        scaled(8, s.CactusHorseStaminaDamageModifier), scaled(9, s.CactusHorseStaminaDamageModifier));
}

std::string FormatComparison(const Compared& c) {
    const std::size_t width = std::max<std::size_t>({12, c.nameA.size(), c.nameB.size()}) + 2;
    std::string out = fmt::format("{:<38}{:>{}}{:>{}}{:>12}\n", "Summary", c.nameA, width, c.nameB, width,
                                  "B - A");
    for (std::size_t i = 0; i < c.a->size() && i < c.b->size(); ++i) {
        const Figure& a = (*c.a)[i];
        const Figure& b = (*c.b)[i];
        const double difference = b.value - a.value;
        const std::string diff = std::fabs(difference) < 0.005 ? std::string("")
                                                               : fmt::format("{:+.{}f}", difference, a.decimals);
        out += fmt::format("  {:<36}{:>{}.{}f}{:>{}.{}f}{:>12}\n", a.label, a.value, width, a.decimals, b.value,
                           width, b.decimals, diff);
    }
    return out;
}

}  // namespace thornbrake::cli
