#include "sim/operation_table.h"

#include <array>

namespace thornbrake::sim {
namespace {

using enum ArgKind;

constexpr std::array<ArgKind, 0> kNone{};
constexpr std::array kOne = {Int};
constexpr std::array kTwoInts = {Int, Int};
constexpr std::array kThreeInts = {Int, Int, Int};
constexpr std::array kFourInts = {Int, Int, Int, Int};
constexpr std::array kFiveInts = {Int, Int, Int, Int, Int};
constexpr std::array kModelQuery = {Float, Float, Float, Float, Model, Int};
constexpr std::array kHandleAndFloat = {Int, Float};
constexpr std::array kDeadEyeChange = {Int, Float, Int};
constexpr std::array kPain = {Int, Int, Float, Int, Int};
constexpr std::array kMood = {Int, Text};

constexpr std::array<OperationInfo, kOperationCount> kOperations = {{
    {OpCode::GetPlayerCharacter, "GetPlayerCharacter", 0x096275889B8E0EE0, kNone, ResultKind::Int},
    {OpCode::GetPlayerIndex, "GetPlayerIndex", 0x217E9DC48139933D, kNone, ResultKind::Int},
    {OpCode::GetMount, "GetMount", 0xE7E11B8DCBED1058, kOne, ResultKind::Int},
    {OpCode::GetEntityPosition, "GetEntityPosition", 0xA86D5F069399F44D, kThreeInts,
     ResultKind::Position},
    {OpCode::RandomIntInRange, "RandomIntInRange", 0xD53343AA4FB7DD28, kTwoInts, ResultKind::Int},
    {OpCode::GetEntitySpeed, "GetEntitySpeed", 0xFB6BA510A533DF81, kOne, ResultKind::Float},
    {OpCode::GetEntityHealth, "GetEntityHealth", 0x82368787EA73C0F7, kOne, ResultKind::Int},
    {OpCode::GetCharacterStamina, "GetCharacterStamina", 0x775A1CA7893AA8B5, kOne,
     ResultKind::Float},
    {OpCode::IsCharacterOnMount, "IsCharacterOnMount", 0x460BC76A0E10655E, kOne, ResultKind::Bool},
    {OpCode::IsModelNear, "IsModelNear", 0xBFA48E2FF417213F, kModelQuery, ResultKind::Bool},
    {OpCode::ModelVetoQuery, "ModelVetoQuery", 0x761B0E69AC4D007E, kModelQuery, ResultKind::Bool},
    {OpCode::MissionQueryA, "MissionQueryA", 0xB15CD1CF58771DE1, kNone, ResultKind::Bool},
    {OpCode::MissionQueryB, "MissionQueryB", 0xF4D8BCD052E7EA1B, kNone, ResultKind::Bool},
    {OpCode::IsPlayerDead, "IsPlayerDead", 0x2E9C3FCB6798F397, kOne, ResultKind::Bool},
    {OpCode::IsPlayerControlOn, "IsPlayerControlOn", 0x7964097FCE4C244B, kOne, ResultKind::Bool},
    {OpCode::ApplyDamageToCharacter, "ApplyDamageToCharacter", 0x697157CED63F18D4, kFiveInts,
     ResultKind::None},
    {OpCode::ChangeCharacterStamina, "ChangeCharacterStamina", 0xC3D4B754C0E86B9E, kHandleAndFloat,
     ResultKind::None},
    {OpCode::ChangeDeadEye, "ChangeDeadEye", 0x200114E99552462B, kDeadEyeChange, ResultKind::None},
    {OpCode::SetCoreValue, "SetCoreValue", 0xC6258F41D86676E0, kThreeInts, ResultKind::None},
    {OpCode::PlayPain, "PlayPain", 0xBC9AE166038A5CEC, kPain, ResultKind::None},
    {OpCode::SetMood, "SetMood", 0x89F5E7ADECCCB49C, kMood, ResultKind::None},
    {OpCode::ClearMood, "ClearMood", 0x58F7DB5BD8FA2288, kOne, ResultKind::None},
    {OpCode::MountHurtResponse, "MountHurtResponse", 0xBAE08F00021BFFB2, kTwoInts,
     ResultKind::None},
    {OpCode::MountFinalResponse, "MountFinalResponse", 0x39ED303390DDEAC7, kFiveInts,
     ResultKind::None},
    {OpCode::TripCharacter, "TripCharacter", 0x8C825BDC7741D37C, kFourInts, ResultKind::None},
}};

constexpr bool InOpCodeOrder() {
    for (std::size_t i = 0; i < kOperations.size(); ++i) {
        if (static_cast<std::size_t>(kOperations[i].code) != i) return false;
    }
    return true;
}
static_assert(InOpCodeOrder(), "Operation(code) indexes the table by OpCode");

constexpr bool IdsUnique() {
    for (std::size_t i = 0; i < kOperations.size(); ++i) {
        for (std::size_t j = i + 1; j < kOperations.size(); ++j) {
            if (kOperations[i].id == kOperations[j].id) return false;
        }
    }
    return true;
}
static_assert(IdsUnique(), "every identifier names one operation");

// An open-addressed hash of the identifiers, built at compile time: the
// lookup runs on every one of the millions of calls of a long run.
constexpr std::size_t kBucketBits = 6;
constexpr std::size_t kBucketCount = std::size_t{1} << kBucketBits;
static_assert(kBucketCount >= 2 * kOperationCount);

constexpr std::size_t Bucket(std::uint64_t id) {
    return static_cast<std::size_t>((id * 0x9E3779B97F4A7C15u) >> (64 - kBucketBits));
}

// Position in kOperations plus one; 0 marks an empty bucket.
constexpr std::array<std::uint8_t, kBucketCount> BuildBuckets() {
    std::array<std::uint8_t, kBucketCount> buckets{};
    for (std::size_t i = 0; i < kOperations.size(); ++i) {
        std::size_t b = Bucket(kOperations[i].id);
        while (buckets[b] != 0) b = (b + 1) % kBucketCount;
        buckets[b] = static_cast<std::uint8_t>(i + 1);
    }
    return buckets;
}

constexpr std::array<std::uint8_t, kBucketCount> kBuckets = BuildBuckets();

}  // namespace

std::span<const OperationInfo> AllOperations() { return kOperations; }

const OperationInfo& Operation(OpCode code) { return kOperations[static_cast<std::size_t>(code)]; }

const OperationInfo* FindOperation(std::uint64_t id) {
    for (std::size_t b = Bucket(id);; b = (b + 1) % kBucketCount) {
        const std::uint8_t entry = kBuckets[b];
        if (entry == 0) return nullptr;
        const OperationInfo& op = kOperations[entry - 1u];
        if (op.id == id) return &op;
    }
}

const OperationInfo* FindOperation(std::string_view name) {
    for (const OperationInfo& op : kOperations) {
        if (op.name == name) return &op;
    }
    return nullptr;
}

}  // namespace thornbrake::sim
