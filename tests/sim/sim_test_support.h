// Shared pieces of the simulator's tests: a host with a fixed clock origin,
// the trace as text lines, and a way to run a test's own script on the
// host's fiber in place of the plugin's.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "sim/script_host.h"
#include "sim/trace_text.h"

namespace thornbrake::sim::testing {

inline HostOptions FixedOptions() {
    HostOptions options;
    options.seed = 7;
    options.bootTickMs = 1'000'000;
    return options;
}

inline std::vector<std::string> Lines(ScriptHost& host, std::size_t from = 0) {
    return ToText(host.GetTrace().Since(from));
}

// The body of the script StartTestScript registers. A plain function is
// what the host accepts, so the body lives in a global.
inline std::function<void()>& TestScriptBody() {
    static std::function<void()> body;
    return body;
}

inline void TestScript() { TestScriptBody()(); }

// Registers `body` as the script, as the plugin's entry point would.
inline void StartTestScript(ScriptHost& host, std::function<void()> body) {
    TestScriptBody() = std::move(body);
    scriptRegister(host.Module(), &TestScript);
}

class HostTest : public ::testing::Test {
protected:
    explicit HostTest(HostOptions options = FixedOptions()) : host(options) {}
    ScriptHost host;
};

}  // namespace thornbrake::sim::testing
