// A script host that does nothing but store what the plugin pushes and answer
// from a fixed table, so that timing a pass measures the plugin and the bare
// cost of calling a host, nothing of a simulated world.
//
// It defines the eight host functions and the platform seam, so it must never
// be linked together with the simulator, which defines them too.
#pragma once

#include <cstdint>
#include <vector>

#include "host/game_operations.h"
#include "host/script_host_api.h"

namespace thornbrake::bench {

// What the host answers. Every operation not listed here answers 0, and so
// does every proximity probe except the one configured below (the veto query
// included).
struct HostAnswers {
    EntityHandle character = 1001;
    PlayerIndex playerIndex = 0;
    EntityHandle mount = 2002;
    // One answer per identifier, whatever the handle: the horse is asked its
    // position, speed and health and gets the character's.
    WorldPosition position{10.5f, -3.25f, 41.0f};
    float speed = 0.0f;
    float stamina = 100.0f;
    std::int32_t health = 200;
    std::int32_t randomInt = 50;
    bool onMount = false;
    bool inMission = false;  // MissionQueryA
    bool playerControlOn = false;
    // IsModelNear answers 1 only for this model at this radius (0: never).
    ModelHash nearModel = 0;
    float nearRadius = 0.0f;
};

// Replaces the answer table. Not meant to be called while a pass runs.
void SetHostAnswers(const HostAnswers& answers);

// One host call as the plugin issued it. Registration calls are not kept.
struct HostCall {
    enum class Kind : std::uint8_t { Init, Push, Call, Wait };
    Kind kind;
    std::uint64_t value;  // the identifier, the slot or the milliseconds; 0 for Call
};

// While set, every nativeInit, nativePush64, nativeCall and scriptWait is
// appended to `calls`. Pass nullptr to stop recording.
void RecordHostCallsInto(std::vector<HostCall>* calls);

// Called by every scriptWait after it has been recorded; lets a test stop a
// script that never returns. nullptr (the default) makes scriptWait return at once.
using WaitHook = void (*)(std::uint32_t milliseconds);
void SetWaitHook(WaitHook hook);

// The routine the plugin handed to scriptRegister, or nullptr.
ScriptRoutine RegisteredScript();

}  // namespace thornbrake::bench
