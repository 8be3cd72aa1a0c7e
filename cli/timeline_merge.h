// The timeline as people read it: runs of the same reaction to the same plant
// in quick succession (standing in a cactus, lingering ticks, failed trip
// rolls while crossing a bush) folded into one line, and the world's own
// events put in between.
#pragma once

#include <vector>

#include "sim/scenario/scenario_director.h"
#include "timeline_event.h"

namespace thornbrake::cli {

// Reactions closer than this to the previous one of the same kind and plant
// join its line.
inline constexpr std::int64_t kMergeGapMs = 1500;

std::vector<TimelineEvent> BuildTimeline(const std::vector<TimelineEvent>& reactions,
                                         const std::vector<scenario::WorldEvent>& worldEvents);

}  // namespace thornbrake::cli
