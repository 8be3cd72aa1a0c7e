// Turns the stream of host calls of a run into timeline events. It listens to
// the trace as a sink, so it works whether or not the trace is kept in memory
// or written to a file, and it reads the world right after each call to see
// what the call really changed.
//
// A reaction is the run of effect calls (cries, damage, drains, moods, trips,
// waits) between two queries of the plugin: every stage asks its questions
// (probes, on-mount, mission, dead, control) before it acts. The probe that
// answered last tells which plant it was.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "sim/trace_sink.h"
#include "sim/world_state.h"
#include "timeline_event.h"

namespace thornbrake::cli {

class EventCollector final : public sim::TraceSink {
public:
    // `settings` is the record the plugin read (it decides thresholds and
    // which contact forms apply); both must outlive the collector.
    EventCollector(const sim::WorldState& world, const Settings& settings);

    void Write(const sim::CallRecord& record) override;
    // Takes in what the world changed on its own between frames.
    void Resync();
    // Closes a reaction still open at the end of the run.
    void Finish();

    const std::vector<TimelineEvent>& events() const { return events_; }
    // The ten damage rolls drawn when the effect loop started, as drawn.
    const std::vector<std::int32_t>& rolls() const { return rolls_; }
    std::int64_t passes() const { return passes_; }

private:
    struct Probe {
        std::uint32_t model = 0;
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        std::int64_t seq = -1;
    };
    struct Values {
        std::int32_t health = 0;
        float stamina = 0.0f;
        float deadEye = 0.0f;
        std::int32_t horseHealth = 0;
        float horseStamina = 0.0f;
    };
    struct Pending {
        bool open = false;
        bool byWait = false;      // opened by a wait alone: a bush trip evaluation
        std::int64_t startMs = 0;
        std::int64_t endMs = 0;
        bool onHorse = false;
        bool core = false;
        bool trip = false;
        bool final = false;
        bool damageOnCharacter = false;
        bool damageOnHorse = false;
        std::int32_t hurtFlag = -1;
        int cries = 0;
        std::int64_t heldMs = 0;
        std::int64_t coolDownMs = 0;
        std::int64_t asked = 0;
        std::int64_t health = 0;
        double stamina = 0.0;
        double deadEye = 0.0;
        std::int64_t horseHealth = 0;
        double horseStamina = 0.0;
        Values after;  // right after the reaction's last effect
    };

    void Open(std::int64_t tMs, bool byWait);
    void Close();
    void TakeDeltas();
    Values Read() const;
    void Locate(TimelineEvent& event, const Probe& probe) const;

    const sim::WorldState& world_;
    const Settings& settings_;
    std::vector<TimelineEvent> events_;
    std::vector<std::int32_t> rolls_;
    std::int64_t passes_ = 0;
    std::int64_t seq_ = 0;

    // The current pass's snapshot, as the plugin sampled it.
    float characterSpeed_ = 0.0f;
    float mountSpeed_ = 0.0f;
    std::int32_t snapshotHealth_ = 0;
    std::int32_t tripRoll_ = 0;

    Probe footProbe_;   // last positive probe around the character
    Probe mountProbe_;  // last positive probe around the horse (radius 0.7)
    std::int64_t lingerSeq_ = -1;
    Values last_;
    Pending pending_;
};

}  // namespace thornbrake::cli
