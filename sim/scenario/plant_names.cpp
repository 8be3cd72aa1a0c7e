#include "sim/scenario/plant_names.h"

#include <cstdio>
#include <span>

#include "hazards/model_catalogue.h"

namespace thornbrake::scenario {
namespace {

struct NamedModel {
    std::string name;
    std::uint32_t model;
};

std::vector<NamedModel> BuildNames() {
    std::vector<NamedModel> names;
    for (std::size_t i = 0; i < kCactusModels.size(); ++i) {
        names.push_back({"cactus-" + std::to_string(i + 1), kCactusModels[i]});
    }
    names.push_back({"cholla", kChollaModel});
    for (const BushGroup& group : kBushGroups) {
        for (std::size_t i = 0; i < group.models.size(); ++i) {
            names.push_back({std::string("bush-") + group.name + "-" + std::to_string(i + 1),
                             group.models[i]});
        }
    }
    return names;
}

const std::vector<NamedModel>& Names() {
    static const std::vector<NamedModel> names = BuildNames();
    return names;
}

std::vector<std::uint32_t> ToVector(std::span<const ModelHash> models) {
    return {models.begin(), models.end()};
}

}  // namespace

std::optional<std::uint32_t> ModelByName(std::string_view name) {
    for (const NamedModel& entry : Names()) {
        if (entry.name == name) return entry.model;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint32_t>> ModelsByGroupOrName(std::string_view name) {
    if (name == "cactus") return ToVector(kCactusModels);
    if (name == "bush") {
        std::vector<std::uint32_t> all;
        for (const BushGroup& group : kBushGroups) {
            all.insert(all.end(), group.models.begin(), group.models.end());
        }
        return all;
    }
    for (const BushGroup& group : kBushGroups) {
        if (name == std::string("bush-") + group.name) return ToVector(group.models);
    }
    if (const auto model = ModelByName(name)) return std::vector<std::uint32_t>{*model};
    return std::nullopt;
}

std::string NameOfModel(std::uint32_t model) {
    for (const NamedModel& entry : Names()) {
        if (entry.model == model) return entry.name;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(model));
    return hex;
}

PlantInfo InfoOfModel(std::uint32_t model) {
    for (const ModelHash cactus : kCactusModels) {
        if (cactus == model) return {PlantKind::Cactus, 0};
    }
    if (model == kChollaModel) return {PlantKind::Cholla, 0};
    for (const BushGroup& group : kBushGroups) {
        for (const ModelHash bush : group.models) {
            if (bush == model) return {PlantKind::Bush, group.name};
        }
    }
    return {};
}

const std::vector<std::string>& AllPlantNames() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> names = {"cactus", "bush", "bush-A", "bush-B",
                                          "bush-C", "bush-D", "bush-E"};
        for (const NamedModel& entry : Names()) names.push_back(entry.name);
        return names;
    }();
    return all;
}

}  // namespace thornbrake::scenario
