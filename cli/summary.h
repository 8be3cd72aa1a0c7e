// The figures a run is judged by: counts of reactions, what they cost the
// character and the horse, and how long the plant effects were held. The same
// list, in the same order, for every run, so runs can be compared and
// gathered into statistics.
#pragma once

#include <string_view>
#include <vector>

#include "sim/world_state.h"
#include "timeline_event.h"

namespace thornbrake::cli {

struct Figure {
    std::string_view key;    // for JSON: "trips_per_minute"
    std::string_view label;  // for people: "trips per minute"
    Who who;
    int decimals;            // how many to print
    double value;
};

using Summary = std::vector<Figure>;

// `events` as collected, before repeats are merged.
Summary Summarize(const std::vector<TimelineEvent>& events, double seconds,
                  const sim::WorldState& finalWorld);

// The figure names in order, for a summary that is only numbers.
Summary EmptySummary();

}  // namespace thornbrake::cli
