// Moves the simulated world through a scenario, one frame at a time: the
// character along its route (mounted or on foot), the scripted missions,
// control-off intervals and death, and the world's own answers to what the
// plugin does (a trip knocks the character down for a moment, a dead
// character or horse stops, stamina and dead-eye regenerate if asked).
//
// Advance() is meant to be called before every frame; it allocates nothing
// except when it records one of the rare scenario events.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/scenario/scenario.h"
#include "sim/world_state.h"

namespace thornbrake::scenario {

// What the world did on its own, for the timeline.
struct WorldEvent {
    enum class Kind : std::uint8_t {
        Mounted,
        Dismounted,
        MissionStarted,
        MissionEnded,
        ControlOff,
        ControlOn,
        Died,
        HorseDied,       // the rider is thrown off and goes on on foot
        TripStunEnded,   // the character is back on its feet
        RouteFinished,
    };
    std::int64_t timeUs = 0;
    Kind kind = Kind::Mounted;
};

class ScenarioDirector {
public:
    ScenarioDirector(const Scenario& scenario, std::uint64_t seed);

    // The world at time 0: character, horse and every plant.
    void SetUp(sim::WorldState& world) const;

    // Brings the world to `nowUs` (simulated microseconds since the start).
    void Advance(sim::WorldState& world, std::int64_t nowUs);

    const std::vector<WorldEvent>& events() const { return events_; }
    bool mounted() const { return mounted_; }

private:
    struct Leg {
        Point from;
        Point to;
        double length = 0.0;
    };

    void ApplyScript(sim::WorldState& world, double t, std::int64_t nowUs);
    void ApplyReactions(sim::WorldState& world, double dt, std::int64_t nowUs);
    void Walk(sim::WorldState& world, double dt, std::int64_t nowUs);
    void FinishStep();
    void Record(std::int64_t nowUs, WorldEvent::Kind kind) { events_.push_back({nowUs, kind}); }

    const Scenario& scenario_;
    std::vector<PlacedPlant> plants_;
    std::vector<Leg> legs_;           // one per route step; only Move steps use it

    std::int64_t lastUs_ = 0;
    std::size_t step_ = 0;
    double progress_ = 0.0;           // metres along the current Move leg
    bool arrived_ = false;            // the current Move leg is walked; its pause runs
    double pauseLeft_ = 0.0;
    bool stepStarted_ = false;
    float speed_ = 0.0f;              // reported for the character (and the horse when ridden)
    Point position_;
    bool mounted_ = false;
    bool horseDead_ = false;
    bool dead_ = false;
    bool inMission_ = false;
    bool controlOff_ = false;
    std::int32_t tripsSeen_ = 0;
    std::int64_t stunnedUntilUs_ = -1;
    bool routeDone_ = false;
    std::vector<WorldEvent> events_;
};

}  // namespace thornbrake::scenario
