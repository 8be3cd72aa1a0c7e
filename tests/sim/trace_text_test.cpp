// The compact text form of trace records and the split into passes, which
// table tests of the plugin's behaviour compare against.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "host/game_operations.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;
using testing::Lines;

struct TextCase {
    const char* name;
    std::function<void()> call;
    const char* expected;
};

// Failure messages name the case, not its bytes.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class TraceText : public HostTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TraceText, OneLinePerCall) {
    WorldState& w = host.State();
    w.character.position = {10.5f, -3.25f, 41.0f};
    w.character.speed = 1.38f;
    w.horse.handle = -2;
    w.AddPlant({3986436812u, {10.5f, -3.25f, 41.0f}, false});
    GetParam().call();
    EXPECT_EQ(Lines(host), std::vector<std::string>{GetParam().expected});
}

INSTANTIATE_TEST_SUITE_P(
    Calls, TraceText,
    ::testing::Values(
        TextCase{"Query", [] { IsModelNear(10.5f, -3.25f, 41.0f, 0.6f, 3986436812u); },
                 "IsModelNear(10.5, -3.25, 41, 0.6, 3986436812, 0) = 1"},
        TextCase{"Action", [] { ApplyDamageToCharacter(1001, 30, 65245, 1001); },
                 "ApplyDamageToCharacter(1001, 30, 0, 65245, 1001)"},
        TextCase{"NegativeResult", [] { GetMount(1001); }, "GetMount(1001) = -2"},
        TextCase{"FloatResult", [] { GetEntitySpeed(1001); }, "GetEntitySpeed(1001) = 1.38"},
        TextCase{"PositionResult", [] { GetEntityPosition(1001); },
                 "GetEntityPosition(1001, 1, 0) = [10.5, -3.25, 41]"},
        TextCase{"FloatArguments", [] { PlayPain(1001, 11); }, "PlayPain(1001, 11, 25, 1, 0)"},
        TextCase{"NegativeFloat", [] { ChangeDeadEye(0, -7.5f); }, "ChangeDeadEye(0, -7.5, 0)"},
        TextCase{"Text", [] { SetMood(2002, kAgitatedMood); }, "SetMood(2002, \"Agitated\")"},
        TextCase{"Registration", [] { keyboardHandlerUnregister(nullptr); },
                 "keyboardHandlerUnregister()"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplitCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::vector<std::string>> passes;
};

// Failure messages name the case, not its bytes.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class PassSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PassSplit, EachPassEndsWithTheZeroWait) {
    EXPECT_EQ(SplitPasses(GetParam().lines), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PassSplit,
    ::testing::Values(
        SplitCase{"Empty", {}, {}},
        SplitCase{"TwoPasses",
                  {"a()", "scriptWait(0)", "b()", "scriptWait(250)", "c()", "scriptWait(0)"},
                  {{"a()", "scriptWait(0)"}, {"b()", "scriptWait(250)", "c()", "scriptWait(0)"}}},
        SplitCase{"UnfinishedLastPass",
                  {"a()", "scriptWait(0)", "b()", "scriptWait(1000)"},
                  {{"a()", "scriptWait(0)"}, {"b()", "scriptWait(1000)"}}},
        SplitCase{"OtherWaitsDoNotEndAPass",
                  {"scriptWait(10)", "scriptWait(100)", "scriptWait(0)"},
                  {{"scriptWait(10)", "scriptWait(100)", "scriptWait(0)"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace thornbrake::sim
