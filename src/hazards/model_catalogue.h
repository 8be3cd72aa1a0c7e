// Which world objects are harmful plants: constant, ordered lists of model
// identifiers. Order matters, because the per-pass flags let only the first
// qualifying entry of a pass react.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "host/game_operations.h"

namespace thornbrake {

inline constexpr std::array<ModelHash, 8> kCactusModels = {
    0xED9C32CC, 0x4ABE9F81, 0xB5215B03, 0x58F353B4, 0x01AFA52E, 0x2E4DFE6A, 0xE578ECC1, 0xF3C38956,
};

// Not a member of kCactusModels: a cholla only draws the cholla steps.
inline constexpr ModelHash kChollaModel = 0x60A81CC4;

// How a group's upper-band trip threshold derives from TripChance.
enum class UpperThresholdRule : std::uint8_t {
    TripChance,          // TripChance
    TwoThirdsTripChance, // (2 x TripChance) / 3
    HalfTripChance,      // TripChance / 2
};

struct BushGroup {
    char name;
    std::span<const ModelHash> models;
    float radius;
    UpperThresholdRule upperRule;
};

// Positions 10 and 12 of group A hold the same identifier; it is probed twice.
inline constexpr std::array<ModelHash, 51> kBushGroupAModels = {
    0x3CDCF6A2, 0x6A06CD6E, 0x99D41C27, 0x78D5BE30, 0x1C77E342, 0x4AA77FE5, 0x1CFFD3C5, 0xC9300F27,
    0xC95BB845, 0x1CC908F2, 0xFB8FB05A, 0x1CC908F2, 0x30845041, 0x493D3D1B, 0x9DC7BAAA, 0x05128E39,
    0x8C376384, 0x57394B29, 0x22F4A2D9, 0xA60F05FE, 0x9CD6C132, 0x046F0F46, 0xA29531B8, 0xD495818F,
    0x9A39957B, 0xA8AC0BC3, 0xC4E5C67A, 0x09FF679E, 0x387B4964, 0x2F5E027A, 0xB2376EB1, 0x21AFB3E5,
    0x6BB880D5, 0x6FCB1CBE, 0x47473FC3, 0xDF6DE469, 0xC17A0A18, 0x2678155E, 0x6DFFC3F5, 0xF2B3953C,
    0x4CB1A5B0, 0x3CAC4FDD, 0x39391928, 0xD87759EB, 0xDD36FBD7, 0xCEDF5F28, 0xB99D34AC, 0xAB4297F7,
    0xB9114FB2, 0x2A699F71, 0x9D20D83C,
};

inline constexpr std::array<ModelHash, 31> kBushGroupBModels = {
    0xF9CE9E70, 0xBDB99C6C, 0xE6716E3B, 0xF5EF043C, 0x89FB763F, 0xA916B510, 0x3CA18379, 0x22CD3156,
    0x0792F58F, 0xFE7E28A2, 0x201860E3, 0x4846CA57, 0x1730D738, 0x6F56D3F7, 0xDF785165, 0x9AFB22D2,
    0x40412E96, 0xC9A5B970, 0x0C472A8C, 0x218F53BF, 0xFA194132, 0x6C0EB1C5, 0x47041EC0, 0xD338A055,
    0x442F0158, 0x4B93D5A3, 0xCBDFCF0A, 0x66B3484F, 0xC49C4039, 0xFA445D60, 0x8B944094,
};

inline constexpr std::array<ModelHash, 5> kBushGroupCModels = {
    0xD96479D0, 0x04FADAF1, 0xF6343D64, 0xE7622060, 0x94991200,
};

inline constexpr std::array<ModelHash, 21> kBushGroupDModels = {
    0xC5253390, 0x743FB023, 0x6D1E91A9, 0xE3307DCB, 0xD09DD8A6, 0xDFEF79C5, 0x6E3C9661,
    0xA3AE8144, 0x00985111, 0xB79136BD, 0x397581FC, 0x94FFFB99, 0xA6D29F3E, 0xECCA7354,
    0x3AF8D714, 0xE6DDAE98, 0xD5F50CC7, 0x4777A443, 0xED4AE970, 0xF7F30754, 0xD0942505,
};

inline constexpr std::array<ModelHash, 12> kBushGroupEModels = {
    0x5831C50B, 0x148B1329, 0x7A9FA51A, 0xEABACC3B, 0x33089FCB, 0x507B5FF1,
    0x0B114507, 0xEBDD74ED, 0x997E530B, 0x87AAB1CF, 0xDF8DC7F0, 0x39CE8C16,
};

// Scanned in this order, A to E.
inline constexpr std::array<BushGroup, 5> kBushGroups = {{
    {'A', kBushGroupAModels, 0.55f, UpperThresholdRule::TripChance},
    {'B', kBushGroupBModels, 0.55f, UpperThresholdRule::TripChance},
    {'C', kBushGroupCModels, 0.6f, UpperThresholdRule::TwoThirdsTripChance},
    {'D', kBushGroupDModels, 0.6f, UpperThresholdRule::HalfTripChance},
    {'E', kBushGroupEModels, 0.5f, UpperThresholdRule::TripChance},
}};

// Thresholds in 32-bit arithmetic, division truncating toward zero. Doubling
// is done in 64 bits and the result saturated at the 32-bit limits, so a
// TripChance whose double does not fit still gives a defined threshold.
std::int32_t UpperBandThreshold(const BushGroup& group, std::int32_t tripChance);
std::int32_t LowerBandThreshold(std::int32_t tripChance);

}  // namespace thornbrake
