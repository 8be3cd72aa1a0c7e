// The host's side of one game-operation call: nativeInit, nativePush64 per
// argument, nativeCall. It checks the call against the operation table and
// hands the world a decoded call, or says precisely what was wrong.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "sim/operation_table.h"

namespace thornbrake::sim {

// A call that matched its operation: the raw slots, read through the kinds
// the table gives. Only the low 32 bits of a number slot carry the value.
struct DecodedCall {
    const OperationInfo* op = nullptr;
    std::array<std::uint64_t, kMaxOperationArgs> slots{};

    std::int32_t Int(std::size_t i) const { return static_cast<std::int32_t>(Low(i)); }
    std::uint32_t Model(std::size_t i) const { return Low(i); }
    float Float(std::size_t i) const { return std::bit_cast<float>(Low(i)); }
    const char* Text(std::size_t i) const {
        return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(slots[i]));
    }

private:
    std::uint32_t Low(std::size_t i) const { return static_cast<std::uint32_t>(slots[i]); }
};

class CallDecoder {
public:
    // Each returns false and fills `error` when the plugin broke the call
    // protocol or the packing rules; the call is then abandoned.
    bool Begin(std::uint64_t id, std::string& error);
    bool Push(std::uint64_t slot, std::string& error) {
        // Inline: it runs for every argument of every call.
        if (!open_) return PushWithoutInit(slot, error);
        if (pushed_ < kSlotCapacity) slots_[pushed_] = slot;
        ++pushed_;
        return true;
    }
    bool Finish(DecodedCall& call, std::string& error);

    bool CallOpen() const { return open_; }

private:
    bool PushWithoutInit(std::uint64_t slot, std::string& error);

    // More than any operation takes, so a surplus can be counted and reported.
    static constexpr std::size_t kSlotCapacity = 16;

    bool open_ = false;
    std::uint64_t id_ = 0;
    std::size_t pushed_ = 0;
    std::array<std::uint64_t, kSlotCapacity> slots_{};
};

// "IsModelNear (0xBFA48E2FF417213F)", or the bare identifier when unknown.
std::string DescribeOperation(std::uint64_t id);

}  // namespace thornbrake::sim
