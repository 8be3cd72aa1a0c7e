// One line of a run's timeline: what one reaction of the plugin (or the
// world itself) did to the character or the horse, and when.
#pragma once

#include <cstdint>
#include <string_view>

namespace thornbrake::cli {

enum class EventKind : std::uint8_t {
    // The plugin, on the character.
    CactusHit,         // full hit: cry, health damage, drains, a wait by speed band
    CactusSoftHit,     // health at 136 or less: cry and drains, no damage
    CactusMissionCry,  // in a mission: a cry only
    ChollaHit,         // cholla contact with damage
    ChollaWeakHit,     // cholla contact at 136 or less: no damage, no lingering
    ChollaTick,        // lingering cholla tick: cry, cores emptied, damage, stamina
    ChollaTickCry,     // lingering tick at 136 or less: a cry only
    Trip,              // a bush tripped the character; cool-down follows
    TripRollFailed,    // a bush trip evaluation that did not trip
    // The plugin, on the horse.
    HorseCactusHit,    // agitated, damaged, drained
    HorseCactusSoftHit,// agitated and drained, no damage (health 65 or less)
    HorseAgitated,     // in a mission: agitated only
    HorseChollaHit,    // a cholla: agitated, drained hard
    // The world, on its own.
    Mounted,
    Dismounted,
    MissionStarted,
    MissionEnded,
    ControlOff,
    ControlOn,
    Died,
    HorseDied,
    BackOnFeet,
    RouteFinished,
};

enum class Who : std::uint8_t { Character, Horse, World };

Who WhoOf(EventKind kind);
// A short stable name for JSON ("cactus_hit") and a phrase for the text.
std::string_view KeyOf(EventKind kind);
std::string_view PhraseOf(EventKind kind);

struct TimelineEvent {
    EventKind kind = EventKind::CactusHit;
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;      // last call, waits included
    int repeats = 1;             // merged identical reactions in a row

    // The plant it came from (none for world events and cholla ticks).
    bool hasPlant = false;
    std::uint32_t model = 0;
    float plantX = 0.0f;
    float plantY = 0.0f;

    float speed = 0.0f;          // snapshot speed of whoever reacted

    // What changed, as the world applied it (after clamping), summed over repeats.
    int cries = 0;
    std::int64_t health = 0;
    double stamina = 0.0;
    double deadEye = 0.0;
    std::int64_t horseHealth = 0;
    double horseStamina = 0.0;
    // The character's or the horse's values once the reaction was over.
    std::int32_t healthAfter = 0;
    float staminaAfter = 0.0f;
    float deadEyeAfter = 0.0f;
    std::int32_t horseHealthAfter = 0;
    float horseStaminaAfter = 0.0f;
    // Asked for by the plugin (damage amounts before the world clamps them).
    std::int64_t damageAsked = 0;

    std::int64_t heldMs = 0;     // the plugin's waits: while they run no other plant acts
    std::int64_t coolDownMs = 0; // of a trip
    std::int32_t tripRoll = 0;
    std::int32_t tripThreshold = 0;
    std::int32_t tickCount = 0;  // cholla ticks run since the last contact, after this one
    std::int32_t tickLimit = 0;  // CactusChollaEffectDuration
    bool armed = false;          // a cholla contact that started the lingering effect
};

}  // namespace thornbrake::cli
