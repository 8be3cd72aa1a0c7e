// "Did you mean ...?" for misspelt field, key and plant names.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace thornbrake::scenario {

// Edit distance (insertions, deletions, substitutions), ignoring ASCII case.
std::size_t EditDistance(std::string_view a, std::string_view b);

// The candidate closest to `name`, when it is close enough to be a likely
// misspelling: at most a third of the longer name's letters differ (at least
// two are allowed). Ties go to the earlier candidate.
std::optional<std::string> NearestName(std::string_view name,
                                       std::span<const std::string> candidates);
std::optional<std::string> NearestName(std::string_view name,
                                       std::span<const std::string_view> candidates);

}  // namespace thornbrake::scenario
