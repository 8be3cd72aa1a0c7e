#include "sim/scenario/scatter.h"

namespace thornbrake::scenario {

std::uint64_t ScatterRandom::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double ScatterRandom::Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

std::uint32_t ScatterRandom::Below(std::uint32_t n) {
    return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32);
}

std::vector<PlacedPlant> ScatterPatch(const Patch& patch, std::uint64_t seed,
                                      std::size_t patchIndex) {
    ScatterRandom random(seed ^ (0xD1B54A32D192ED03ull * (patchIndex + 1)));
    std::vector<PlacedPlant> plants;
    plants.reserve(static_cast<std::size_t>(patch.count));
    const Patch::Area& area = patch.area;
    for (int i = 0; i < patch.count; ++i) {
        PlacedPlant plant;
        plant.model = patch.models[random.Below(static_cast<std::uint32_t>(patch.models.size()))];
        plant.vetoed = patch.vetoed;
        if (area.circle) {
            // Rejection keeps to + - * only, which every platform rounds alike.
            double u = 0.0;
            double v = 0.0;
            do {
                u = 2.0 * random.Unit() - 1.0;
                v = 2.0 * random.Unit() - 1.0;
            } while (u * u + v * v > 1.0);
            plant.at = {area.centre.x + u * area.radius, area.centre.y + v * area.radius,
                        area.centre.z};
        } else {
            const double u = random.Unit();
            const double v = random.Unit();
            plant.at = {area.min.x + u * (area.max.x - area.min.x),
                        area.min.y + v * (area.max.y - area.min.y), area.min.z};
        }
        plants.push_back(plant);
    }
    return plants;
}

std::vector<PlacedPlant> AllPlants(const Scenario& scenario, std::uint64_t seed) {
    std::vector<PlacedPlant> plants = scenario.plants;
    for (std::size_t i = 0; i < scenario.patches.size(); ++i) {
        const std::vector<PlacedPlant> scattered = ScatterPatch(scenario.patches[i], seed, i);
        plants.insert(plants.end(), scattered.begin(), scattered.end());
    }
    return plants;
}

}  // namespace thornbrake::scenario
