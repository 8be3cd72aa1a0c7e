// Calls that break the host's protocol or packing rules stop the run with a
// message naming the operation and what was wrong, whether they come from
// the host's side or from the script's fiber.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <ostream>
#include <vector>

#include "host/game_operations.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using testing::HostTest;
using testing::StartTestScript;

// A call sequence: nativeInit(id) if id != 0, then the pushes, then nativeCall.
struct Sequence {
    std::uint64_t id;
    std::vector<std::uint64_t> pushes;
};

struct ProtocolCase {
    const char* name;
    Sequence sequence;
    std::vector<const char*> messageParts;
};

// Failure messages name the case, not its bytes.
void PrintTo(const ProtocolCase& c, std::ostream* os) { *os << c.name; }

void Issue(const Sequence& s) {
    if (s.id != 0) nativeInit(s.id);
    for (const std::uint64_t slot : s.pushes) nativePush64(slot);
    nativeCall();
}

class CallProtocol : public HostTest, public ::testing::WithParamInterface<ProtocolCase> {};

TEST_P(CallProtocol, FromTheHostSideThrowsANamedError) {
    const ProtocolCase& c = GetParam();
    try {
        Issue(c.sequence);
        FAIL() << "no error";
    } catch (const HostError& e) {
        for (const char* part : c.messageParts) EXPECT_THAT(e.what(), HasSubstr(part));
    }
    EXPECT_EQ(host.GetTrace().size(), 0u) << "a rejected call is not traced";
    // The decoder is ready for the next call.
    EXPECT_EQ(GetPlayerCharacter(), host.State().character.handle);
}

TEST_P(CallProtocol, FromTheScriptStopsTheRunAndIsReportedByTheHost) {
    const ProtocolCase& c = GetParam();
    bool resumedAfterError = false;
    StartTestScript(host, [&] {
        scriptWait(0);
        Issue(c.sequence);
        resumedAfterError = true;
    });
    host.StepFrame();
    try {
        host.StepFrame();
        FAIL() << "no error";
    } catch (const HostError& e) {
        for (const char* part : c.messageParts) EXPECT_THAT(e.what(), HasSubstr(part));
    }
    EXPECT_EQ(host.Status(), ScriptStatus::Failed);
    EXPECT_THROW(host.StepFrame(), HostError) << "a failed run stays failed";
    EXPECT_FALSE(resumedAfterError);
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, CallProtocol,
    ::testing::Values(
        ProtocolCase{"UnknownIdentifier", {0x0123456789ABCDEF, {1, 2}},
                     {"unknown game operation 0x0123456789ABCDEF", "2 arguments"}},
        ProtocolCase{"TooFewArguments", {op::kIsModelNear, {0, 0, 0, 0, 0}},
                     {"IsModelNear (0xBFA48E2FF417213F)", "takes 6 arguments, 5 were pushed"}},
        ProtocolCase{"TooManyArguments", {op::kGetPlayerCharacter, {7}},
                     {"GetPlayerCharacter", "takes 0 arguments, 1 was pushed"}},
        ProtocolCase{"SignExtendedInteger", {op::kGetMount, {0xFFFFFFFFFFFFFFFF}},
                     {"GetMount", "argument 1 of 1", "0xFFFFFFFFFFFFFFFF", "high 32 bits"}},
        ProtocolCase{"FloatInTheHighHalf", {op::kChangeCharacterStamina, {1001, 0x3F80000000000000}},
                     {"ChangeCharacterStamina", "argument 2 of 2", "high 32 bits"}},
        ProtocolCase{"NullText", {op::kSetMood, {2002, 0}}, {"SetMood", "argument 2 of 2", "null"}},
        ProtocolCase{"CallWithoutInit", {0, {}}, {"nativeCall without a nativeInit"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostTest, PushWithoutInitAndInitTwiceAreRejected) {
    EXPECT_THROW(nativePush64(5), HostError);
    nativeInit(op::kGetMount);
    try {
        nativeInit(op::kGetPlayerIndex);
        FAIL() << "no error";
    } catch (const HostError& e) {
        EXPECT_THAT(e.what(), AllOf(HasSubstr("GetPlayerIndex"), HasSubstr("GetMount"),
                                    HasSubstr("nativeCall never came")));
    }
}

TEST_F(HostTest, ScriptWaitOutsideTheScriptIsRejected) {
    EXPECT_THROW(scriptWait(0), HostError);
}

}  // namespace
}  // namespace thornbrake::sim
