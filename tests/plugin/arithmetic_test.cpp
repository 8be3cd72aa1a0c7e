// Settings flow into 32-bit arithmetic unchecked; every result must be the
// one the rules give, and defined even for the most extreme settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "hazards/damage_rolls.h"
#include "hazards/model_catalogue.h"
#include "hazards/pass_snapshot.h"

namespace thornbrake {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(ScaleRoll, MultipliesThenTruncatesTowardZero) {
    struct Case {
        std::int32_t roll, modifier, expected;
    };
    const Case cases[] = {
        {121, 1, 30},   {121, 3, 90},  {121, -1, -30}, {121, 0, 0},    {3, 1, 0},
        {180, 4, 180},  {-3, 1, 0},    {122, -1, -30}, {123, -2, -61},
        // The product saturates at the 32-bit limits instead of overflowing.
        {180, kMax, kMax / 4},         {180, kMin, kMin / 4},
        {120, kMax / 200, static_cast<std::int32_t>(120LL * (kMax / 200) / 4)},
        {120, kMax / 100, kMax / 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleRoll(c.roll, c.modifier), c.expected)
            << c.roll << " x " << c.modifier << " / 4";
    }
}

TEST(TripThresholds, FollowTripChancePerGroup) {
    struct Case {
        std::int32_t tripChance;
        std::int32_t upperA, upperB, upperC, upperD, upperE, lower;
    };
    const Case cases[] = {
        {15, 15, 15, 10, 7, 15, 30},
        {1, 1, 1, 0, 0, 1, 2},
        {-3, -3, -3, -2, -1, -3, -6},
        {0, 0, 0, 0, 0, 0, 0},
        {100, 100, 100, 66, 50, 100, 200},
        // Doubling would overflow: the thresholds stay at the 32-bit limits.
        {kMax, kMax, kMax, static_cast<std::int32_t>(2LL * kMax / 3), kMax / 2, kMax, kMax},
        {kMin, kMin, kMin, static_cast<std::int32_t>(2LL * kMin / 3), kMin / 2, kMin, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tripChance);
        const std::int32_t expectedUpper[] = {c.upperA, c.upperB, c.upperC, c.upperD, c.upperE};
        for (std::size_t g = 0; g < kBushGroups.size(); ++g) {
            EXPECT_EQ(UpperBandThreshold(kBushGroups[g], c.tripChance), expectedUpper[g])
                << "group " << kBushGroups[g].name;
        }
        EXPECT_EQ(LowerBandThreshold(c.tripChance), c.lower);
    }
}

TEST(PainId, MapsDrawModuloThree) {
    EXPECT_EQ(PainIdFor(0), 4);
    EXPECT_EQ(PainIdFor(1), 5);
    EXPECT_EQ(PainIdFor(2), 11);
    EXPECT_EQ(PainIdFor(3), 4);
    EXPECT_EQ(PainIdFor(std::numeric_limits<int>::max()), 5);  // 2^31-1 = 1 mod 3
}

}  // namespace
}  // namespace thornbrake
