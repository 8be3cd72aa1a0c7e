#include "sim/plant_index.h"

#include <algorithm>
#include <cmath>

namespace thornbrake::sim {

void PlantIndex::RebuildIfStale(const WorldState& world) {
    if (built_ && builtCount_ == world.plants.size() && builtRevision_ == world.plantsRevision) return;
    entries_.clear();
    entries_.reserve(world.plants.size());
    for (const Plant& p : world.plants) {
        // Nothing is within any distance of a NaN coordinate, and NaN would
        // break the ordering.
        if (std::isnan(p.position.x) || std::isnan(p.position.y) || std::isnan(p.position.z)) continue;
        entries_.push_back({p.model, p.vetoed, p.position.x, p.position.y, p.position.z});
    }
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.model != b.model ? a.model < b.model : a.x < b.x;
    });
    builtCount_ = world.plants.size();
    builtRevision_ = world.plantsRevision;
    built_ = true;
}

bool PlantIndex::AnyWithin(const WorldState& world, std::uint32_t model, float x, float y, float z,
                           float radius, bool vetoedOnly) {
    RebuildIfStale(world);
    // A negative or NaN radius contains nothing.
    if (!(radius >= 0.0f)) return false;
    const double r = radius;
    const double limit = r * r;
    // The x window only narrows the search; the distance test decides. Its
    // margin keeps rounding at the window's edge from dropping a plant.
    const double margin = r * 1e-6 + 1e-6;
    const double fromX = x - r - margin;
    const double toX = x + r + margin;
    auto it = std::lower_bound(entries_.begin(), entries_.end(), model, [&](const Entry& e, std::uint32_t m) {
        return e.model != m ? e.model < m : e.x < fromX;
    });
    for (; it != entries_.end() && it->model == model && it->x <= toX; ++it) {
        if (vetoedOnly && !it->vetoed) continue;
        const double dx = static_cast<double>(it->x) - x;
        const double dy = static_cast<double>(it->y) - y;
        const double dz = static_cast<double>(it->z) - z;
        if (dx * dx + dy * dy + dz * dz <= limit) return true;
    }
    return false;
}

}  // namespace thornbrake::sim
