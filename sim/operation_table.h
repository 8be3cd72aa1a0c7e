// The simulator's own table of the game operations: name, identifier, the
// kind of every argument in push order and the kind of the result. It is kept
// apart from the plugin's encoder on purpose, so that a wrong identifier or a
// wrong argument shape on either side shows up as a decoding error.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace thornbrake::sim {

enum class ArgKind : std::uint8_t {
    Int,    // integer, handle, index or boolean: signed 32-bit
    Model,  // ModelHash: unsigned 32-bit
    Float,  // single precision
    Text,   // address of a NUL-terminated string (all 64 bits)
};

enum class ResultKind : std::uint8_t { None, Int, Bool, Float, Position };

enum class OpCode : std::uint8_t {
    GetPlayerCharacter,
    GetPlayerIndex,
    GetMount,
    GetEntityPosition,
    RandomIntInRange,
    GetEntitySpeed,
    GetEntityHealth,
    GetCharacterStamina,
    IsCharacterOnMount,
    IsModelNear,
    ModelVetoQuery,
    MissionQueryA,
    MissionQueryB,
    IsPlayerDead,
    IsPlayerControlOn,
    ApplyDamageToCharacter,
    ChangeCharacterStamina,
    ChangeDeadEye,
    SetCoreValue,
    PlayPain,
    SetMood,
    ClearMood,
    MountHurtResponse,
    MountFinalResponse,
    TripCharacter,
};

inline constexpr std::size_t kOperationCount = 25;
// The longest argument list of any operation.
inline constexpr std::size_t kMaxOperationArgs = 6;

struct OperationInfo {
    OpCode code;
    std::string_view name;
    std::uint64_t id;
    std::span<const ArgKind> args;
    ResultKind result;
};

// All operations, in the order of OpCode.
std::span<const OperationInfo> AllOperations();

const OperationInfo& Operation(OpCode code);

// nullptr for an identifier the game does not know.
const OperationInfo* FindOperation(std::uint64_t id);

// By name, as written in the trace ("IsModelNear").
const OperationInfo* FindOperation(std::string_view name);

}  // namespace thornbrake::sim
