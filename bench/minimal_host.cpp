#include "bench/minimal_host.h"

#include <array>
#include <bit>
#include <cstring>

namespace thornbrake::bench {
namespace {

// Every identifier the plugin uses, so that an unknown one is recognisable.
constexpr std::array<std::uint64_t, 25> kOperations = {
    op::kGetPlayerCharacter, op::kGetPlayerIndex,      op::kGetMount,
    op::kGetEntityPosition,  op::kRandomIntInRange,    op::kGetEntitySpeed,
    op::kGetEntityHealth,    op::kGetCharacterStamina, op::kIsCharacterOnMount,
    op::kIsModelNear,        op::kModelVetoQuery,      op::kMissionQueryA,
    op::kMissionQueryB,      op::kIsPlayerDead,        op::kIsPlayerControlOn,
    op::kApplyDamageToCharacter, op::kChangeCharacterStamina, op::kChangeDeadEye,
    op::kSetCoreValue,       op::kPlayPain,            op::kSetMood,
    op::kClearMood,          op::kMountHurtResponse,   op::kMountFinalResponse,
    op::kTripCharacter,
};

// The answers live in a direct-mapped table indexed by seven bits of the
// identifier, so finding one costs a shift, a mask and one comparison: the
// host must be as cheap as it can be for the pass/floor ratio to mean much.
constexpr std::size_t kTableBits = 7;
constexpr std::size_t kTableSize = std::size_t{1} << kTableBits;

constexpr std::size_t IndexAt(std::uint64_t operation, unsigned shift) {
    return static_cast<std::size_t>(operation >> shift) & (kTableSize - 1);
}

constexpr bool DistinctAt(unsigned shift) {
    std::array<bool, kTableSize> used{};
    for (const std::uint64_t operation : kOperations) {
        const std::size_t index = IndexAt(operation, shift);
        if (used[index]) return false;
        used[index] = true;
    }
    return true;
}

constexpr unsigned FindShift() {
    for (unsigned shift = 0; shift + kTableBits <= 64; ++shift) {
        if (DistinctAt(shift)) return shift;
    }
    return 64;
}

constexpr unsigned kShift = FindShift();
static_assert(kShift < 64, "no seven-bit window tells the identifiers apart");

struct Answer {
    std::uint64_t operation = 0;
    std::uint64_t slots[3] = {};
};

constexpr std::size_t kMaxPushes = 8;

struct HostState {
    std::array<Answer, kTableSize> table{};
    std::uint64_t operation = 0;
    std::uint64_t pushes[kMaxPushes] = {};
    std::size_t pushCount = 0;
    ModelHash nearModel = 0;
    std::uint64_t nearRadiusSlot = 0;
    std::uint64_t probeResult[3] = {};
    std::uint64_t noAnswer[3] = {};
    std::vector<HostCall>* recording = nullptr;
    WaitHook waitHook = nullptr;
    ScriptRoutine script = nullptr;
};

constinit HostState gHost{};

std::uint64_t IntSlot(std::int32_t value) { return static_cast<std::uint32_t>(value); }
std::uint64_t FloatSlot(float value) { return std::bit_cast<std::uint32_t>(value); }

void Answer1(std::uint64_t operation, std::uint64_t slot) {
    Answer& entry = gHost.table[IndexAt(operation, kShift)];
    entry.slots[0] = slot;
}

void AnswerPosition(std::uint64_t operation, const WorldPosition& p) {
    Answer& entry = gHost.table[IndexAt(operation, kShift)];
    entry.slots[0] = FloatSlot(p.x);
    entry.slots[1] = FloatSlot(p.y);
    entry.slots[2] = FloatSlot(p.z);
}

// Kept out of line so that, with recording off, a host call costs one
// predictable test and nothing else.
[[gnu::noinline, gnu::cold]] void Append(HostCall::Kind kind, std::uint64_t value) {
    gHost.recording->push_back({kind, value});
}

inline void Record(HostCall::Kind kind, std::uint64_t value) {
    if (gHost.recording != nullptr) [[unlikely]] Append(kind, value);
}

}  // namespace

void SetHostAnswers(const HostAnswers& a) {
    gHost.table = {};
    for (const std::uint64_t operation : kOperations) {
        gHost.table[IndexAt(operation, kShift)].operation = operation;
    }
    Answer1(op::kGetPlayerCharacter, IntSlot(a.character));
    Answer1(op::kGetPlayerIndex, IntSlot(a.playerIndex));
    Answer1(op::kGetMount, IntSlot(a.mount));
    Answer1(op::kRandomIntInRange, IntSlot(a.randomInt));
    Answer1(op::kGetCharacterStamina, FloatSlot(a.stamina));
    Answer1(op::kIsCharacterOnMount, a.onMount ? 1 : 0);
    Answer1(op::kMissionQueryA, a.inMission ? 1 : 0);
    Answer1(op::kIsPlayerControlOn, a.playerControlOn ? 1 : 0);
    AnswerPosition(op::kGetEntityPosition, a.position);
    Answer1(op::kGetEntitySpeed, FloatSlot(a.speed));
    Answer1(op::kGetEntityHealth, IntSlot(a.health));
    gHost.nearModel = a.nearModel;
    gHost.nearRadiusSlot = FloatSlot(a.nearRadius);
}

void RecordHostCallsInto(std::vector<HostCall>* calls) { gHost.recording = calls; }

void SetWaitHook(WaitHook hook) { gHost.waitHook = hook; }

ScriptRoutine RegisteredScript() { return gHost.script; }

}  // namespace thornbrake::bench

using thornbrake::bench::gHost;
using thornbrake::bench::HostCall;

extern "C" {

void scriptRegister(thornbrake::ModuleHandle, thornbrake::ScriptRoutine script) {
    gHost.script = script;
}
void scriptUnregister(thornbrake::ModuleHandle) { gHost.script = nullptr; }
void keyboardHandlerRegister(thornbrake::KeyboardHandler) {}
void keyboardHandlerUnregister(thornbrake::KeyboardHandler) {}

void scriptWait(std::uint32_t milliseconds) {
    thornbrake::bench::Record(HostCall::Kind::Wait, milliseconds);
    if (gHost.waitHook != nullptr) gHost.waitHook(milliseconds);
}

void nativeInit(std::uint64_t operation) {
    thornbrake::bench::Record(HostCall::Kind::Init, operation);
    gHost.operation = operation;
    gHost.pushCount = 0;
}

void nativePush64(std::uint64_t slot) {
    thornbrake::bench::Record(HostCall::Kind::Push, slot);
    if (gHost.pushCount < thornbrake::bench::kMaxPushes) gHost.pushes[gHost.pushCount++] = slot;
}

std::uint64_t* nativeCall() {
    thornbrake::bench::Record(HostCall::Kind::Call, 0);
    if (gHost.operation == thornbrake::op::kIsModelNear) {
        // Arguments: x, y, z, radius, model, 0.
        gHost.probeResult[0] = gHost.nearModel != 0 && gHost.pushCount == 6 &&
                               gHost.pushes[4] == gHost.nearModel &&
                               gHost.pushes[3] == gHost.nearRadiusSlot;
        return gHost.probeResult;
    }
    thornbrake::bench::Answer& entry =
        gHost.table[thornbrake::bench::IndexAt(gHost.operation, thornbrake::bench::kShift)];
    return entry.operation == gHost.operation ? entry.slots : gHost.noAnswer;
}

}  // extern "C"
