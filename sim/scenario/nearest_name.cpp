#include "sim/scenario/nearest_name.h"

#include <algorithm>
#include <vector>

namespace thornbrake::scenario {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

template <typename Candidate>
std::optional<std::string> Nearest(std::string_view name, std::span<const Candidate> candidates) {
    std::optional<std::string> best;
    std::size_t bestDistance = 0;
    for (const Candidate& candidate : candidates) {
        const std::string_view text(candidate);
        const std::size_t distance = EditDistance(name, text);
        const std::size_t allowed = std::max<std::size_t>(2, std::max(name.size(), text.size()) / 3);
        if (distance > allowed) continue;
        if (!best || distance < bestDistance) {
            best = std::string(text);
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

std::size_t EditDistance(std::string_view a, std::string_view b) {
    // One row of the classic table at a time.
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t substitute = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitute});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::optional<std::string> NearestName(std::string_view name,
                                       std::span<const std::string> candidates) {
    return Nearest(name, candidates);
}

std::optional<std::string> NearestName(std::string_view name,
                                       std::span<const std::string_view> candidates) {
    return Nearest(name, candidates);
}

}  // namespace thornbrake::scenario
