// The JSON Lines form of the trace: the documented layout, valid JSON on
// every line, floats that read back to the same single-precision value.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <bit>
#include <cmath>
#include <limits>

#include "host/game_operations.h"
#include "sim/call_json.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;
using testing::StartTestScript;

using TraceJson = HostTest;

const CallRecord& Last(ScriptHost& host) { return host.GetTrace().Records().back(); }

TEST_F(TraceJson, OperationLineHasTimeNameIdentifierArgumentsAndResult) {
    host.State().AddPlant({3986436812u, {10.5f, -3.25f, 41.0f}, false});
    host.RunFrames(37);  // 1233.321 ms
    IsModelNear(10.5f, -3.25f, 41.0f, 0.6f, 3986436812u);
    EXPECT_EQ(ToJson(Last(host)),
              R"({"t": 1233, "op": "IsModelNear", "id": "0xBFA48E2FF417213F", )"
              R"("args": [10.5, -3.25, 41.0, 0.6, 3986436812, 0], "ret": 1})");
}

TEST_F(TraceJson, HostFunctionLinesHaveNoIdentifierAndNoResult) {
    host.Attach();
    StartTestScript(host, [] {
        scriptWait(250);
        for (;;) scriptWait(0);
    });
    host.RunFrames(1);
    host.Detach();
    std::vector<std::string> lines;
    for (const CallRecord& r : host.GetTrace().Records()) lines.push_back(ToJson(r));
    const std::vector<std::string> expected = {
        R"({"t": 0, "op": "scriptRegister", "args": []})",
        R"({"t": 0, "op": "keyboardHandlerRegister", "args": []})",
        R"({"t": 0, "op": "scriptRegister", "args": []})",
        R"({"t": 0, "op": "scriptWait", "args": [250]})",
        R"({"t": 33, "op": "scriptUnregister", "args": []})",
        R"({"t": 33, "op": "keyboardHandlerUnregister", "args": []})",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(TraceJson, ActionsHaveNullResultAndNegativeNumbersStaySigned) {
    ApplyDamageToCharacter(-7, -30, 65245, -7);
    const nlohmann::json line = nlohmann::json::parse(ToJson(Last(host)));
    EXPECT_EQ(line["args"], nlohmann::json::parse("[-7, -30, 0, 65245, -7]"));
    EXPECT_TRUE(line.contains("ret"));
    EXPECT_TRUE(line["ret"].is_null());
}

TEST_F(TraceJson, PositionResultIsAnArrayOfThreeNumbers) {
    host.State().character.position = {1.5f, -2.0f, 0.1f};
    GetEntityPosition(1001);
    EXPECT_EQ(ToJson(Last(host)),
              R"({"t": 0, "op": "GetEntityPosition", "id": "0xA86D5F069399F44D", )"
              R"("args": [1001, 1, 0], "ret": [1.5, -2.0, 0.1]})");
}

class FloatRoundTrip : public HostTest, public ::testing::WithParamInterface<float> {};

TEST_P(FloatRoundTrip, ReadsBackToTheSameSinglePrecisionValue) {
    const float value = GetParam();
    ChangeCharacterStamina(1001, value);
    const std::string text = ToJson(Last(host));
    SCOPED_TRACE(text);
    const nlohmann::json line = nlohmann::json::parse(text);
    const auto read = static_cast<float>(line["args"][1].get<double>());
    EXPECT_EQ(std::bit_cast<std::uint32_t>(read), std::bit_cast<std::uint32_t>(value));
}

INSTANTIATE_TEST_SUITE_P(Floats, FloatRoundTrip,
                         ::testing::Values(0.6f, 0.1f, 41.0f, -3.25f, -0.0f, 1e-7f, 1e-45f,
                                           std::numeric_limits<float>::min(),
                                           std::numeric_limits<float>::max(),
                                           -std::numeric_limits<float>::max(), 16777216.0f,
                                           123456.79f, 1e10f, 8.33f, 1.38f));

TEST_F(TraceJson, NonFiniteFloatsAreWrittenAsStrings) {
    ChangeCharacterStamina(1001, std::numeric_limits<float>::quiet_NaN());
    ChangeCharacterStamina(1001, -std::numeric_limits<float>::infinity());
    const auto records = host.GetTrace().Records();
    EXPECT_EQ(nlohmann::json::parse(ToJson(records[0]))["args"][1], "NaN");
    EXPECT_EQ(nlohmann::json::parse(ToJson(records[1]))["args"][1], "-Infinity");
}

TEST_F(TraceJson, TextIsEscapedAndReadsBackUnchanged) {
    const char* texts[] = {"Agitated", "say \"hi\"", "back\\slash", "line\nbreak\ttab", "\x01\x1F",
                           "caf\xC3\xA9"};
    for (const char* text : texts) {
        SetMood(2002, text);
        const std::string line = ToJson(Last(host));
        SCOPED_TRACE(line);
        const nlohmann::json parsed = nlohmann::json::parse(line);
        const std::string read = parsed["args"][1].get<std::string>();
        if (std::string_view(text).starts_with("caf")) {
            // Bytes from 0x7F on are escaped one by one, so the line is
            // plain ASCII whatever the text holds.
            EXPECT_EQ(line.find('\xC3'), std::string::npos);
        } else {
            EXPECT_EQ(read, text);
        }
    }
}

}  // namespace
}  // namespace thornbrake::sim
