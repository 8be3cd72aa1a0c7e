#include "bench/pass_fixtures.h"

#include <algorithm>

#include "hazards/model_catalogue.h"

namespace thornbrake::bench {
namespace {

constexpr float kWalkingSpeed = 3.0f;    // inside the fast on-foot band
constexpr float kCactusFootRadius = 0.6f;

std::size_t CountOperation(const std::vector<HostCall>& pass, std::uint64_t operation) {
    return static_cast<std::size_t>(std::count_if(pass.begin(), pass.end(), [&](const HostCall& c) {
        return c.kind == HostCall::Kind::Init && c.value == operation;
    }));
}

std::vector<std::uint64_t> Waits(const std::vector<HostCall>& pass) {
    std::vector<std::uint64_t> waits;
    for (const HostCall& call : pass) {
        if (call.kind == HostCall::Kind::Wait) waits.push_back(call.value);
    }
    return waits;
}

std::size_t BushProbeCount() {
    std::size_t count = 0;
    for (const BushGroup& group : kBushGroups) count += group.models.size();
    return count;
}

// Sixteen cactus probes and two cholla probes in every pass.
constexpr std::size_t kPlantProbesWithoutBushes = 2 * kCactusModels.size() + 2;

}  // namespace

const char* NameOf(PassKind kind) {
    switch (kind) {
        case PassKind::NothingNear: return "NothingNear";
        case PassKind::AllBushGatesOpen: return "AllBushGatesOpen";
        case PassKind::OneOnFootFullHit: return "OneOnFootFullHit";
    }
    return "?";
}

HostAnswers AnswersFor(PassKind kind) {
    HostAnswers answers;
    switch (kind) {
        case PassKind::NothingNear:
            break;
        case PassKind::AllBushGatesOpen:
            answers.playerControlOn = true;
            break;
        case PassKind::OneOnFootFullHit:
            answers.speed = kWalkingSpeed;
            answers.nearModel = kCactusModels.front();
            answers.nearRadius = kCactusFootRadius;
            break;
    }
    return answers;
}

std::string ProblemWithPass(PassKind kind, const std::vector<HostCall>& pass) {
    const std::vector<std::uint64_t> waits = Waits(pass);
    if (waits.empty() || waits.back() != 0 || pass.back().kind != HostCall::Kind::Wait) {
        return "the pass does not end with the zero wait";
    }
    const std::size_t probes = CountOperation(pass, op::kIsModelNear);
    const std::size_t hits = CountOperation(pass, op::kApplyDamageToCharacter);
    switch (kind) {
        case PassKind::NothingNear:
            if (probes != kPlantProbesWithoutBushes) return "the bush gates are not all shut";
            if (hits != 0 || waits.size() != 1) return "something reacted";
            break;
        case PassKind::AllBushGatesOpen:
            if (probes != kPlantProbesWithoutBushes + BushProbeCount()) {
                return "not every bush probe was asked";
            }
            if (hits != 0 || waits.size() != 1) return "something reacted";
            break;
        case PassKind::OneOnFootFullHit:
            if (hits != 1 || waits != std::vector<std::uint64_t>{250, 0}) {
                return "the pass is not one fast on-foot full hit";
            }
            break;
    }
    return {};
}

}  // namespace thornbrake::bench
