#include "timeline_event.h"

namespace thornbrake::cli {

Who WhoOf(EventKind kind) {
    switch (kind) {
        case EventKind::CactusHit:
        case EventKind::CactusSoftHit:
        case EventKind::CactusMissionCry:
        case EventKind::ChollaHit:
        case EventKind::ChollaWeakHit:
        case EventKind::ChollaTick:
        case EventKind::ChollaTickCry:
        case EventKind::Trip:
        case EventKind::TripRollFailed:
            return Who::Character;
        case EventKind::HorseCactusHit:
        case EventKind::HorseCactusSoftHit:
        case EventKind::HorseAgitated:
        case EventKind::HorseChollaHit:
            return Who::Horse;
        default:
            return Who::World;
    }
}

std::string_view KeyOf(EventKind kind) {
    switch (kind) {
        case EventKind::CactusHit: return "cactus_hit";
        case EventKind::CactusSoftHit: return "cactus_soft_hit";
        case EventKind::CactusMissionCry: return "cactus_mission_cry";
        case EventKind::ChollaHit: return "cholla_hit";
        case EventKind::ChollaWeakHit: return "cholla_weak_hit";
        case EventKind::ChollaTick: return "cholla_tick";
        case EventKind::ChollaTickCry: return "cholla_tick_cry";
        case EventKind::Trip: return "trip";
        case EventKind::TripRollFailed: return "trip_roll_failed";
        case EventKind::HorseCactusHit: return "horse_cactus_hit";
        case EventKind::HorseCactusSoftHit: return "horse_cactus_soft_hit";
        case EventKind::HorseAgitated: return "horse_agitated";
        case EventKind::HorseChollaHit: return "horse_cholla_hit";
        case EventKind::Mounted: return "mounted";
        case EventKind::Dismounted: return "dismounted";
        case EventKind::MissionStarted: return "mission_started";
        case EventKind::MissionEnded: return "mission_ended";
        case EventKind::ControlOff: return "control_off";
        case EventKind::ControlOn: return "control_on";
        case EventKind::Died: return "died";
        case EventKind::HorseDied: return "horse_died";
        case EventKind::BackOnFeet: return "back_on_feet";
        case EventKind::RouteFinished: return "route_finished";
    }
    return "unknown";
}

std::string_view PhraseOf(EventKind kind) {
    switch (kind) {
        case EventKind::CactusHit: return "cactus hit";
        case EventKind::CactusSoftHit: return "cactus, softened (health 136 or less)";
        case EventKind::CactusMissionCry: return "cactus in a mission: cry only";
        case EventKind::ChollaHit: return "cholla hit";
        case EventKind::ChollaWeakHit: return "cholla, softened (health 136 or less)";
        case EventKind::ChollaTick: return "cholla lingering tick";
        case EventKind::ChollaTickCry: return "cholla lingering tick, cry only (health 136 or less)";
        case EventKind::Trip: return "TRIPPED";
        case EventKind::TripRollFailed: return "trip roll failed";
        case EventKind::HorseCactusHit: return "horse in a cactus: agitated and hurt";
        case EventKind::HorseCactusSoftHit: return "horse in a cactus: agitated, no damage (health 65 or less)";
        case EventKind::HorseAgitated: return "horse in a cactus during a mission: agitated only";
        case EventKind::HorseChollaHit: return "horse in a cholla: agitated and drained";
        case EventKind::Mounted: return "mounted the horse";
        case EventKind::Dismounted: return "dismounted";
        case EventKind::MissionStarted: return "mission starts";
        case EventKind::MissionEnded: return "mission ends";
        case EventKind::ControlOff: return "player control off";
        case EventKind::ControlOn: return "player control back on";
        case EventKind::Died: return "the character died";
        case EventKind::HorseDied: return "the horse died; the rider goes on on foot";
        case EventKind::BackOnFeet: return "back on its feet after the trip";
        case EventKind::RouteFinished: return "end of the route";
    }
    return "";
}

}  // namespace thornbrake::cli
