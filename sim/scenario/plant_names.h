// Names a modder can write for the plant models the plugin knows: cactus-1 to
// cactus-8, cholla, and bush-A-1 to bush-E-12 (group letter, then the position
// in that group's list). Group names select several models at once: cactus,
// bush, bush-A ... bush-E.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace thornbrake::scenario {

enum class PlantKind : std::uint8_t { Cactus, Cholla, Bush, Unknown };

struct PlantInfo {
    PlantKind kind = PlantKind::Unknown;
    char bushGroup = 0;  // 'A'..'E' for a bush
};

// The model of one catalogue name ("cactus-3", "bush-C-2"), matched exactly.
std::optional<std::uint32_t> ModelByName(std::string_view name);

// The models a patch may draw from: a group name or a single plant name.
std::optional<std::vector<std::uint32_t>> ModelsByGroupOrName(std::string_view name);

// The first catalogue name of a model ("bush-A-10" for the identifier that
// group A lists twice), or its identifier as 0x%08X when it is not a plant.
std::string NameOfModel(std::uint32_t model);

PlantInfo InfoOfModel(std::uint32_t model);

// Every name ModelsByGroupOrName accepts, for suggestions.
const std::vector<std::string>& AllPlantNames();

}  // namespace thornbrake::scenario
