#include "summary.h"

namespace thornbrake::cli {

Summary EmptySummary() {
    return {
        {"cactus_hits", "cactus hits on foot", Who::Character, 0, 0.0},
        {"cactus_soft_hits", "softened cactus contacts", Who::Character, 0, 0.0},
        {"mission_cries", "cactus cries in missions", Who::Character, 0, 0.0},
        {"cholla_contacts", "cholla contacts", Who::Character, 0, 0.0},
        {"cholla_ticks", "cholla lingering ticks", Who::Character, 0, 0.0},
        {"trip_evaluations", "bush trip evaluations", Who::Character, 0, 0.0},
        {"trips", "trips", Who::Character, 0, 0.0},
        {"trips_per_minute", "trips per minute", Who::Character, 2, 0.0},
        {"pain_cries", "pain cries", Who::Character, 0, 0.0},
        {"health_lost", "health lost", Who::Character, 0, 0.0},
        {"stamina_drained", "stamina drained", Who::Character, 0, 0.0},
        {"dead_eye_drained", "dead-eye drained", Who::Character, 0, 0.0},
        {"final_health", "health at the end", Who::Character, 0, 0.0},
        {"died", "died (1 = yes)", Who::Character, 0, 0.0},
        {"horse_cactus_hits", "horse cactus hits", Who::Horse, 0, 0.0},
        {"horse_agitations", "horse agitations", Who::Horse, 0, 0.0},
        {"horse_cholla_hits", "horse cholla hits", Who::Horse, 0, 0.0},
        {"horse_health_lost", "horse health lost", Who::Horse, 0, 0.0},
        {"horse_stamina_drained", "horse stamina drained", Who::Horse, 0, 0.0},
        {"horse_final_health", "horse health at the end", Who::Horse, 0, 0.0},
        {"held_seconds", "plant effects held by waits (s)", Who::World, 1, 0.0},
        {"cool_down_seconds", "of which trip cool-down (s)", Who::World, 1, 0.0},
    };
}

Summary Summarize(const std::vector<TimelineEvent>& events, double seconds,
                  const sim::WorldState& finalWorld) {
    Summary summary = EmptySummary();
    auto add = [&summary](std::string_view key, double amount) {
        for (Figure& figure : summary) {
            if (figure.key == key) figure.value += amount;
        }
    };
    for (const TimelineEvent& e : events) {
        const double n = e.repeats;
        switch (e.kind) {
            case EventKind::CactusHit: add("cactus_hits", n); break;
            case EventKind::CactusSoftHit: add("cactus_soft_hits", n); break;
            case EventKind::CactusMissionCry: add("mission_cries", n); break;
            case EventKind::ChollaHit:
            case EventKind::ChollaWeakHit: add("cholla_contacts", n); break;
            case EventKind::ChollaTick:
            case EventKind::ChollaTickCry: add("cholla_ticks", n); break;
            case EventKind::Trip:
                add("trips", n);
                add("trip_evaluations", n);
                break;
            case EventKind::TripRollFailed: add("trip_evaluations", n); break;
            case EventKind::HorseCactusHit:
            case EventKind::HorseCactusSoftHit:
                add("horse_cactus_hits", n);
                add("horse_agitations", n);
                break;
            case EventKind::HorseAgitated: add("horse_agitations", n); break;
            case EventKind::HorseChollaHit:
                add("horse_cholla_hits", n);
                add("horse_agitations", n);
                break;
            default: break;
        }
        add("pain_cries", e.cries);
        add("health_lost", static_cast<double>(-e.health));
        add("stamina_drained", -e.stamina);
        add("dead_eye_drained", -e.deadEye);
        add("horse_health_lost", static_cast<double>(-e.horseHealth));
        add("horse_stamina_drained", -e.horseStamina);
        add("held_seconds", static_cast<double>(e.heldMs) / 1000.0);
        add("cool_down_seconds", static_cast<double>(e.coolDownMs) / 1000.0);
    }
    double trips = 0.0;
    for (const Figure& figure : summary) {
        if (figure.key == "trips") trips = figure.value;
    }
    add("trips_per_minute", seconds > 0.0 ? trips * 60.0 / seconds : 0.0);
    add("final_health", finalWorld.character.health);
    add("died", finalWorld.playerDead ? 1.0 : 0.0);
    add("horse_final_health", finalWorld.horse.health);
    return summary;
}

}  // namespace thornbrake::cli
