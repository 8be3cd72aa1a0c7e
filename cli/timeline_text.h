// The run's report for people: a header, one line per timeline event and a
// summary table; and the side-by-side table of an A/B comparison.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario_run.h"
#include "summary.h"
#include "timeline_event.h"

namespace thornbrake::cli {

// The "what happened" part of a line.
std::string DescribeEvent(const TimelineEvent& event);
std::string FormatEventLine(const TimelineEvent& event);
std::string FormatTimeline(const std::vector<TimelineEvent>& timeline);
std::string FormatSummary(const Summary& summary);
// The damage amounts this run rolled, as the plugin applies them.
std::string FormatRolls(const std::vector<std::int32_t>& rolls, const Settings& settings);
// Keys whose value differs from the default: "TripChance 40, CactusLethal 1".
std::string FormatChangedSettings(const Settings& settings);

struct Compared {
    std::string_view nameA;
    std::string_view nameB;
    const Summary* a;
    const Summary* b;
};
std::string FormatComparison(const Compared& compared);

// The thirteen values as (key, value) in read order.
std::vector<std::pair<std::string_view, std::int32_t>> SettingValues(const Settings& settings);

}  // namespace thornbrake::cli
