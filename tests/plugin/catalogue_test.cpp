// Invariants of the plant lists that the stages rely on.
#include <gtest/gtest.h>

#include <map>

#include "hazards/model_catalogue.h"

namespace thornbrake {
namespace {

TEST(ModelCatalogue, GroupsHaveTheirRadiiAndSizesInScanOrder) {
    struct Expected {
        char name;
        std::size_t size;
        float radius;
    };
    const Expected expected[] = {
        {'A', 51, 0.55f}, {'B', 31, 0.55f}, {'C', 5, 0.6f}, {'D', 21, 0.6f}, {'E', 12, 0.5f}};
    ASSERT_EQ(kBushGroups.size(), std::size(expected));
    for (std::size_t i = 0; i < kBushGroups.size(); ++i) {
        EXPECT_EQ(kBushGroups[i].name, expected[i].name);
        EXPECT_EQ(kBushGroups[i].models.size(), expected[i].size) << expected[i].name;
        EXPECT_EQ(kBushGroups[i].radius, expected[i].radius) << expected[i].name;
    }
}

TEST(ModelCatalogue, OnlyGroupAsTenthAndTwelfthEntriesRepeat) {
    std::map<ModelHash, int> seen;
    for (ModelHash m : kCactusModels) ++seen[m];
    ++seen[kChollaModel];
    for (const BushGroup& g : kBushGroups) {
        for (ModelHash m : g.models) ++seen[m];
    }
    EXPECT_EQ(kBushGroupAModels[9], kBushGroupAModels[11]);
    for (const auto& [model, count] : seen) {
        EXPECT_EQ(count, model == kBushGroupAModels[9] ? 2 : 1) << std::hex << model;
    }
    EXPECT_EQ(seen.size(), 8u + 1u + 50u + 31u + 5u + 21u + 12u);
}

}  // namespace
}  // namespace thornbrake
