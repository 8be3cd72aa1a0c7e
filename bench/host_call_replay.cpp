#include "bench/host_call_replay.h"

#include <stdexcept>
#include <string>

#include "hazards/damage_rolls.h"
#include "hazards/effect_loop.h"
#include "settings/settings.h"

namespace thornbrake::bench {

HostCallReplay::HostCallReplay(const std::vector<HostCall>& recording) {
    bool inCall = false;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        const HostCall& call = recording[i];
        const bool expectInCall = call.kind == HostCall::Kind::Push || call.kind == HostCall::Kind::Call;
        if (expectInCall != inCall) {
            throw std::invalid_argument("host call " + std::to_string(i) +
                                        " is out of the init, push, call order");
        }
        switch (call.kind) {
            case HostCall::Kind::Init:
                steps_.push_back({call.value, 0, 0});
                inCall = true;
                break;
            case HostCall::Kind::Push:
                slots_.push_back(call.value);
                ++steps_.back().pushCount;
                break;
            case HostCall::Kind::Call:
                inCall = false;
                break;
            case HostCall::Kind::Wait:
                steps_.push_back({0, 0, static_cast<std::uint32_t>(call.value)});
                break;
        }
    }
    if (inCall) throw std::invalid_argument("the recording ends inside a game-operation call");
}

std::uint64_t HostCallReplay::Issue() const {
    std::uint64_t folded = 0;
    const std::uint64_t* slot = slots_.data();
    for (const Step& step : steps_) {
        if (step.operation == 0) {
            scriptWait(step.waitMs);
            continue;
        }
        nativeInit(step.operation);
        for (std::uint32_t i = 0; i < step.pushCount; ++i) nativePush64(*slot++);
        folded ^= *nativeCall();
    }
    return folded;
}

std::size_t HostCallReplay::OperationCount() const {
    std::size_t count = 0;
    for (const Step& step : steps_) count += step.operation != 0;
    return count;
}

std::vector<HostCall> RecordOnePass() {
    const DamageRolls rolls = RollDamage(gSettings);
    std::vector<HostCall> recording;
    RecordHostCallsInto(&recording);
    RunPass(rolls);
    RecordHostCallsInto(nullptr);
    return recording;
}

}  // namespace thornbrake::bench
