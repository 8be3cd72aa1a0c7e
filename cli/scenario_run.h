// One run of a scenario: the plugin's real script in the simulated host, the
// director moving the world before every frame, and the calls turned into a
// timeline and a summary as they happen.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "sim/scenario/scenario.h"
#include "summary.h"
#include "timeline_event.h"

namespace thornbrake::cli {

struct RunRequest {
    const scenario::Scenario* scenario = nullptr;
    std::uint64_t seed = 1;
    // The settings file's text as the plugin will read it; nullopt: no file.
    std::optional<std::string> settingsText;
    // Where to stream the JSON Lines trace; empty for none.
    std::filesystem::path tracePath;
    bool wantTimeline = true;
    bool wantSamples = false;
};

// The character's and the horse's state at one moment, for plots.
struct Sample {
    double seconds = 0.0;
    std::int32_t health = 0;
    float stamina = 0.0f;
    float deadEye = 0.0f;
    std::int32_t horseHealth = 0;
    float horseStamina = 0.0f;
    bool mounted = false;
};

struct RunResult {
    Settings settings{};                 // what the plugin read
    std::vector<std::int32_t> rolls;     // the damage rolls drawn at the start
    std::vector<TimelineEvent> timeline; // merged, with the world's events
    std::vector<TimelineEvent> reactions;// one per reaction, unmerged (kept with samples, for plots)
    Summary summary;
    std::vector<Sample> samples;
    std::int64_t passes = 0;
    double seconds = 0.0;
    std::int32_t maxHealth = 0;
    float maxStamina = 0.0f;
    float maxDeadEye = 0.0f;
    std::int32_t horseMaxHealth = 0;
    float horseMaxStamina = 0.0f;
};

// Throws sim::HostError if the plugin broke the host's rules, and
// std::runtime_error naming the file if the trace cannot be written (no
// trace file is left behind then).
RunResult RunScenario(const RunRequest& request);

}  // namespace thornbrake::cli
