// A scenario: a scripted stretch of play that the simulator runs the plugin
// through. Plain data, filled by the scenario parser and read by the director.
// Times are seconds of game time, distances metres, speeds metres per second.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace thornbrake::scenario {

struct Point {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// One step of the character's route, taken in order.
struct RouteStep {
    enum class Kind : std::uint8_t {
        Move,      // towards `to` at `speed`, then stand for `pause` seconds
        Pause,     // stand still for `pause` seconds
        Mount,     // call the horse and get on it
        Dismount,  // get off; the horse stays where it is
    };
    Kind kind = Kind::Pause;
    Point to;
    // Kept in single precision because that is what the game reports: a
    // stretch written as 5.27 reports exactly the float 5.27.
    float speed = 0.0f;
    double pause = 0.0;
};

// [from, to) in seconds of game time.
struct Interval {
    double from = 0.0;
    double to = 0.0;
    bool Contains(double t) const { return t >= from && t < to; }
};

// Which of the two mission queries answers true during the interval.
struct MissionInterval {
    Interval when;
    bool queryA = true;
    bool queryB = false;
};

struct PlacedPlant {
    std::uint32_t model = 0;
    Point at;
    bool vetoed = false;
};

// Plants scattered over an area from the run's seed.
struct Patch {
    struct Area {
        bool circle = false;
        Point min;     // rectangle corners (circle = false)
        Point max;
        Point centre;  // circle (circle = true)
        double radius = 0.0;
    };
    int count = 0;
    std::vector<std::uint32_t> models;  // each plant draws one of these
    Area area;
    bool vetoed = false;
};

struct CharacterStart {
    Point start;
    std::int32_t health = 300;
    std::int32_t maxHealth = 300;
    float stamina = 100.0f;
    float maxStamina = 100.0f;
    float deadEye = 100.0f;
    float maxDeadEye = 100.0f;
};

struct HorseStart {
    Point start;
    std::int32_t health = 200;
    std::int32_t maxHealth = 200;
    float stamina = 100.0f;
    float maxStamina = 100.0f;
};

// How the world answers what the plugin does to it.
struct Reactions {
    double tripStun = 1.5;         // seconds the character lies still after a trip
    double staminaRegen = 0.0;     // character stamina regained per second
    double deadEyeRegen = 0.0;     // dead-eye regained per second
    double horseStaminaRegen = 0.0;
};

// One settings key set inline, in place of what the settings file says.
struct SettingOverride {
    std::string key;      // one of the thirteen key names, spelled as the plugin reads it
    std::int32_t value = 0;
};

struct Scenario {
    std::filesystem::path file;   // where the scenario was read from
    std::string name;
    std::string description;
    double duration = 60.0;
    std::int64_t frameTimeUs = 33'333;
    std::uint64_t seed = 1;

    // Resolved against the scenario's folder; empty means no settings file at
    // all, so the plugin reads every default.
    std::filesystem::path settingsFile;
    std::vector<SettingOverride> overrides;

    CharacterStart character;
    HorseStart horse;
    std::vector<RouteStep> route;
    std::vector<PlacedPlant> plants;
    std::vector<Patch> patches;
    std::vector<MissionInterval> missions;
    std::vector<Interval> controlOff;
    std::optional<double> deathAt;
    Reactions reactions;
};

}  // namespace thornbrake::scenario
