// thornbrake-sim check-settings, end to end: exit codes and the default file.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace thornbrake::cli {
namespace {

using namespace testing_support;

TEST(CheckSettingsCommand, ExitCodesFollowWarningsAndStrictness) {
    const auto folder = ScratchFolder("check_codes");
    WriteFile(folder / "clean.ini", "[BUSH_EFFECT]\nTripChance=20\n");
    WriteFile(folder / "odd.ini", "[BUSH_EFFECT]\nTripChance=20 percent\n");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"check-settings", "clean.ini"}, 0},
        {{"check-settings", "--strict", "clean.ini"}, 0},
        {{"check-settings", "odd.ini"}, 0},
        {{"check-settings", "--strict", "odd.ini"}, 1},
        {{"check-settings", "missing.ini"}, 2},
        {{"check-settings"}, 2},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.args, folder);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back() << "\n" << run.out << run.err;
    }
    const ToolRun odd = RunTool({"check-settings", "odd.ini"}, folder);
    EXPECT_NE(odd.out.find("odd.ini:2: warning: 'TripChance' = '20 percent' reads as 20"), std::string::npos)
        << odd.out;
    EXPECT_NE(odd.out.find("TripChance                                  20   line 2"), std::string::npos) << odd.out;
}

TEST(CheckSettingsCommand, WritesADefaultFileThatChecksClean) {
    const auto folder = ScratchFolder("check_default");
    const ToolRun write = RunTool({"check-settings", "--write-default", "Thornbrake.ini"}, folder);
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"Thornbrake.ini"});
    const ToolRun check = RunTool({"check-settings", "--strict", "Thornbrake.ini"}, folder);
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_NE(check.out.find("No warnings."), std::string::npos);
    EXPECT_EQ(check.out.find("default\n"), std::string::npos) << "every key should come from a line";

    // A bad input file leaves the default file unwritten.
    const ToolRun bad = RunTool({"check-settings", "absent.ini", "--write-default", "fresh.ini"}, folder);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"Thornbrake.ini"});
}

}  // namespace
}  // namespace thornbrake::cli
