// One game-operation call through the host: nativeInit, one nativePush64 per
// argument, nativeCall, then the result read from the slots the host returns.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "host/script_host_api.h"

namespace thornbrake {

// A position as the game returns it: three floats, each in its own 8-byte slot.
struct WorldPosition {
    float x;
    float y;
    float z;
};

namespace native {

// Every argument occupies the low 32 bits of a zeroed 64-bit slot. Signed
// values travel as their bit pattern without sign extension, so -1 arrives as
// 0x00000000FFFFFFFF; floats travel as their single-precision bits.
inline std::uint64_t Slot(std::int32_t value) { return static_cast<std::uint32_t>(value); }
inline std::uint64_t Slot(std::uint32_t value) { return value; }
inline std::uint64_t Slot(float value) { return std::bit_cast<std::uint32_t>(value); }
// Text travels as the address of a string that outlives the call.
inline std::uint64_t Slot(const char* text) { return reinterpret_cast<std::uintptr_t>(text); }

template <typename... Args>
inline const std::uint64_t* Call(std::uint64_t operation, Args... args) {
    nativeInit(operation);
    (nativePush64(Slot(args)), ...);
    return nativeCall();
}

// Results come from the first 4 bytes of the first slot.
inline std::int32_t ReadInt(const std::uint64_t* result) {
    std::int32_t value;
    std::memcpy(&value, result, sizeof value);
    return value;
}
inline bool ReadBool(const std::uint64_t* result) { return ReadInt(result) != 0; }
inline float ReadFloat(const std::uint64_t* result) {
    float value;
    std::memcpy(&value, result, sizeof value);
    return value;
}
// A position is 24 bytes: x, y and z at byte offsets 0, 8 and 16.
inline WorldPosition ReadPosition(const std::uint64_t* result) {
    unsigned char bytes[24];
    std::memcpy(bytes, result, sizeof bytes);
    WorldPosition position;
    std::memcpy(&position.x, bytes + 0, sizeof(float));
    std::memcpy(&position.y, bytes + 8, sizeof(float));
    std::memcpy(&position.z, bytes + 16, sizeof(float));
    return position;
}

}  // namespace native
}  // namespace thornbrake
