// The plants grouped by model and ordered by x within a model, so a proximity
// query looks only at plants of the model asked for that lie within the
// radius along x. It keeps its own copy of the plants and rebuilds it when
// the number of plants or WorldState::plantsRevision changes: AddPlant (or a
// push_back) is noticed, any edit of existing plants needs PlantsChanged().
#pragma once

#include <cstdint>
#include <vector>

#include "sim/world_state.h"

namespace thornbrake::sim {

class PlantIndex {
public:
    // True when a plant of `model` lies within `radius` of the point
    // (squared Euclidean distance in three dimensions, computed in double,
    // against the squared radius; the boundary included). With
    // `vetoedOnly`, only vetoed plants count.
    bool AnyWithin(const WorldState& world, std::uint32_t model, float x, float y, float z,
                   float radius, bool vetoedOnly);

private:
    void RebuildIfStale(const WorldState& world);

    struct Entry {
        std::uint32_t model;
        bool vetoed;
        float x;
        float y;
        float z;
    };
    std::vector<Entry> entries_;  // sorted by model, then x
    std::size_t builtCount_ = 0;
    std::uint64_t builtRevision_ = 0;
    bool built_ = false;
};

}  // namespace thornbrake::sim
