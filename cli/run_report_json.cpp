#include "run_report_json.h"

#include "sim/scenario/plant_names.h"
#include "timeline_text.h"

namespace thornbrake::cli {
namespace {

std::string_view WhoKey(Who who) {
    switch (who) {
        case Who::Character: return "character";
        case Who::Horse: return "horse";
        case Who::World: return "world";
    }
    return "";
}

nlohmann::json EventToJson(const TimelineEvent& e) {
    nlohmann::json j;
    j["t"] = static_cast<double>(e.startMs) / 1000.0;
    j["end"] = static_cast<double>(e.endMs) / 1000.0;
    j["who"] = WhoKey(WhoOf(e.kind));
    j["event"] = KeyOf(e.kind);
    j["text"] = DescribeEvent(e);
    if (WhoOf(e.kind) == Who::World) return j;
    j["repeats"] = e.repeats;
    if (e.hasPlant || e.model != 0) {
        j["plant"] = scenario::NameOfModel(e.model);
        if (e.hasPlant) j["at"] = {e.plantX, e.plantY};
    }
    j["speed"] = e.speed;
    j["cries"] = e.cries;
    j["held_ms"] = e.heldMs;
    if (WhoOf(e.kind) == Who::Character) {
        j["health"] = e.health;
        j["stamina"] = e.stamina;
        j["dead_eye"] = e.deadEye;
        j["health_after"] = e.healthAfter;
        j["stamina_after"] = e.staminaAfter;
        j["dead_eye_after"] = e.deadEyeAfter;
        j["damage_asked"] = e.damageAsked;
    } else {
        j["horse_health"] = e.horseHealth;
        j["horse_stamina"] = e.horseStamina;
        j["horse_health_after"] = e.horseHealthAfter;
        j["horse_stamina_after"] = e.horseStaminaAfter;
        j["damage_asked"] = e.damageAsked;
    }
    if (e.kind == EventKind::Trip || e.kind == EventKind::TripRollFailed) {
        j["trip_roll"] = e.tripRoll;
        j["trip_threshold"] = e.tripThreshold;
        j["cool_down_ms"] = e.coolDownMs;
    }
    if (e.kind == EventKind::ChollaTick || e.kind == EventKind::ChollaTickCry) {
        j["tick"] = e.tickCount;
        j["ticks_in_all"] = e.tickLimit;
    }
    if (e.kind == EventKind::ChollaHit) j["lingering_armed"] = e.armed;
    return j;
}

}  // namespace

nlohmann::json SummaryToJson(const Summary& summary) {
    nlohmann::json j = nlohmann::json::object();
    for (const Figure& figure : summary) j[std::string(figure.key)] = figure.value;
    return j;
}

nlohmann::json RunToJson(const RunFacts& facts) {
    const RunResult& r = *facts.result;
    nlohmann::json j;
    j["scenario"] = {{"file", facts.scenario->file.string()},
                     {"name", facts.scenario->name},
                     {"seed", facts.seed},
                     {"seconds", r.seconds},
                     {"passes", r.passes}};
    nlohmann::json values = nlohmann::json::object();
    for (const auto& [key, value] : SettingValues(r.settings)) values[std::string(key)] = value;
    j["settings"] = {{"source", facts.settingsSource}, {"values", values}};
    j["damage_rolls"] = r.rolls;
    nlohmann::json timeline = nlohmann::json::array();
    for (const TimelineEvent& e : r.timeline) timeline.push_back(EventToJson(e));
    j["timeline"] = timeline;
    j["summary"] = SummaryToJson(r.summary);
    return j;
}

}  // namespace thornbrake::cli
