// Every game operation the plugin uses: its identifier, its argument shape in
// push order and the result it relies on. Nothing else in the plugin knows an
// identifier.
#pragma once

#include <cstdint>

#include "host/native_call.h"

namespace thornbrake {

using EntityHandle = std::int32_t;
using PlayerIndex = std::int32_t;
using ModelHash = std::uint32_t;

namespace op {
inline constexpr std::uint64_t kGetPlayerCharacter = 0x096275889B8E0EE0;
inline constexpr std::uint64_t kGetPlayerIndex = 0x217E9DC48139933D;
inline constexpr std::uint64_t kGetMount = 0xE7E11B8DCBED1058;
inline constexpr std::uint64_t kGetEntityPosition = 0xA86D5F069399F44D;
inline constexpr std::uint64_t kRandomIntInRange = 0xD53343AA4FB7DD28;
inline constexpr std::uint64_t kGetEntitySpeed = 0xFB6BA510A533DF81;
inline constexpr std::uint64_t kGetEntityHealth = 0x82368787EA73C0F7;
inline constexpr std::uint64_t kGetCharacterStamina = 0x775A1CA7893AA8B5;
inline constexpr std::uint64_t kIsCharacterOnMount = 0x460BC76A0E10655E;
inline constexpr std::uint64_t kIsModelNear = 0xBFA48E2FF417213F;
inline constexpr std::uint64_t kModelVetoQuery = 0x761B0E69AC4D007E;
inline constexpr std::uint64_t kMissionQueryA = 0xB15CD1CF58771DE1;
inline constexpr std::uint64_t kMissionQueryB = 0xF4D8BCD052E7EA1B;
inline constexpr std::uint64_t kIsPlayerDead = 0x2E9C3FCB6798F397;
inline constexpr std::uint64_t kIsPlayerControlOn = 0x7964097FCE4C244B;
inline constexpr std::uint64_t kApplyDamageToCharacter = 0x697157CED63F18D4;
inline constexpr std::uint64_t kChangeCharacterStamina = 0xC3D4B754C0E86B9E;
inline constexpr std::uint64_t kChangeDeadEye = 0x200114E99552462B;
inline constexpr std::uint64_t kSetCoreValue = 0xC6258F41D86676E0;
inline constexpr std::uint64_t kPlayPain = 0xBC9AE166038A5CEC;
inline constexpr std::uint64_t kSetMood = 0x89F5E7ADECCCB49C;
inline constexpr std::uint64_t kClearMood = 0x58F7DB5BD8FA2288;
inline constexpr std::uint64_t kMountHurtResponse = 0xBAE08F00021BFFB2;
inline constexpr std::uint64_t kMountFinalResponse = 0x39ED303390DDEAC7;
inline constexpr std::uint64_t kTripCharacter = 0x8C825BDC7741D37C;
}  // namespace op

// The mood text must outlive every call that passes its address.
inline constexpr char kAgitatedMood[] = "Agitated";

inline EntityHandle GetPlayerCharacter() {
    return native::ReadInt(native::Call(op::kGetPlayerCharacter));
}
inline PlayerIndex GetPlayerIndex() { return native::ReadInt(native::Call(op::kGetPlayerIndex)); }
inline EntityHandle GetMount(EntityHandle character) {
    return native::ReadInt(native::Call(op::kGetMount, character));
}
inline WorldPosition GetEntityPosition(EntityHandle entity) {
    return native::ReadPosition(native::Call(op::kGetEntityPosition, entity, 1, 0));
}
inline std::int32_t RandomIntInRange(std::int32_t low, std::int32_t high) {
    return native::ReadInt(native::Call(op::kRandomIntInRange, low, high));
}
inline float GetEntitySpeed(EntityHandle entity) {
    return native::ReadFloat(native::Call(op::kGetEntitySpeed, entity));
}
inline std::int32_t GetEntityHealth(EntityHandle entity) {
    return native::ReadInt(native::Call(op::kGetEntityHealth, entity));
}
inline float GetCharacterStamina(EntityHandle character) {
    return native::ReadFloat(native::Call(op::kGetCharacterStamina, character));
}
inline bool IsCharacterOnMount(EntityHandle character) {
    return native::ReadBool(native::Call(op::kIsCharacterOnMount, character));
}
inline bool IsModelNear(float x, float y, float z, float radius, ModelHash model) {
    return native::ReadBool(native::Call(op::kIsModelNear, x, y, z, radius, model, 0));
}
inline bool ModelVetoQuery(float x, float y, float z, float radius, ModelHash model) {
    return native::ReadBool(native::Call(op::kModelVetoQuery, x, y, z, radius, model, 0));
}
inline bool MissionQueryA() { return native::ReadBool(native::Call(op::kMissionQueryA)); }
inline bool MissionQueryB() { return native::ReadBool(native::Call(op::kMissionQueryB)); }
inline bool IsPlayerDead(PlayerIndex player) {
    return native::ReadBool(native::Call(op::kIsPlayerDead, player));
}
inline bool IsPlayerControlOn(PlayerIndex player) {
    return native::ReadBool(native::Call(op::kIsPlayerControlOn, player));
}
inline void ApplyDamageToCharacter(EntityHandle target, std::int32_t amount, std::int32_t kind,
                                   EntityHandle source) {
    native::Call(op::kApplyDamageToCharacter, target, amount, 0, kind, source);
}
inline void ChangeCharacterStamina(EntityHandle character, float change) {
    native::Call(op::kChangeCharacterStamina, character, change);
}
inline void ChangeDeadEye(PlayerIndex player, float change) {
    native::Call(op::kChangeDeadEye, player, change, 0);
}
inline void SetCoreValue(EntityHandle character, std::int32_t core, std::int32_t value) {
    native::Call(op::kSetCoreValue, character, core, value);
}
inline void PlayPain(EntityHandle character, std::int32_t painId) {
    native::Call(op::kPlayPain, character, painId, 25.0f, 1, 0);
}
inline void SetMood(EntityHandle entity, const char* mood) {
    native::Call(op::kSetMood, entity, mood);
}
inline void ClearMood(EntityHandle entity) { native::Call(op::kClearMood, entity); }
inline void MountHurtResponse(EntityHandle horse, std::int32_t flag) {
    native::Call(op::kMountHurtResponse, horse, flag);
}
inline void MountFinalResponse(EntityHandle horse) {
    native::Call(op::kMountFinalResponse, horse, 1, 100, 10, 0);
}
inline void TripCharacter(EntityHandle character) {
    native::Call(op::kTripCharacter, character, 0, 0, 1);
}

}  // namespace thornbrake
