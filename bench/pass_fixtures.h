// The three passes the benchmarks time, as answers of the minimal host.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "bench/minimal_host.h"

namespace thornbrake::bench {

enum class PassKind {
    NothingNear,       // every probe answers 0 and the bush gates stay shut
    AllBushGatesOpen,  // every probe answers 0 but every bush probe is asked
    OneOnFootFullHit,  // the first cactus model touched on foot at walking speed
};

inline constexpr std::array<PassKind, 3> kPassKinds = {
    PassKind::NothingNear, PassKind::AllBushGatesOpen, PassKind::OneOnFootFullHit};

const char* NameOf(PassKind kind);

HostAnswers AnswersFor(PassKind kind);

// Empty when a recorded pass is what its kind promises, else what is wrong,
// so a benchmark never times a pass other than the one it names.
std::string ProblemWithPass(PassKind kind, const std::vector<HostCall>& pass);

}  // namespace thornbrake::bench
