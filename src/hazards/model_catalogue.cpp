#include "hazards/model_catalogue.h"

#include "hazards/saturating.h"

namespace thornbrake {

std::int32_t UpperBandThreshold(const BushGroup& group, std::int32_t tripChance) {
    switch (group.upperRule) {
        case UpperThresholdRule::TwoThirdsTripChance:
            return SaturateToInt32(2 * static_cast<std::int64_t>(tripChance) / 3);
        case UpperThresholdRule::HalfTripChance:
            return tripChance / 2;
        case UpperThresholdRule::TripChance:
            break;
    }
    return tripChance;
}

std::int32_t LowerBandThreshold(std::int32_t tripChance) {
    return SaturateToInt32(2 * static_cast<std::int64_t>(tripChance));
}

}  // namespace thornbrake
