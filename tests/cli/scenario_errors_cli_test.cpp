// A bad scenario file, through the command line: the message names the file,
// line and column, the exit code is 2, and no output file is left behind,
// not even half-written.
#include <gtest/gtest.h>

#include <ostream>

#include "tool_runner.h"

namespace thornbrake::cli {
namespace {

using namespace testing_support;

struct BadFile {
    const char* what;
    const char* text;
    const char* message;  // what stderr must say, after "bad.toml:"
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadFile& c, std::ostream* os) { *os << c.what; }


class ScenarioErrorsOnTheCommandLine : public testing::TestWithParam<BadFile> {};

TEST_P(ScenarioErrorsOnTheCommandLine, StopBeforeWritingAnything) {
    const BadFile& c = GetParam();
    const auto folder = ScratchFolder(
        std::string("bad_") + testing::UnitTest::GetInstance()->current_test_info()->name());
    WriteFile(folder / "bad.toml", c.text);
    const std::vector<std::vector<std::string>> commands = {
        {"run", "bad.toml", "--trace", "t.jsonl", "--json", "r.json", "--plot", "p.png"},
        {"run", "bad.toml", "--vs", "bad.toml", "--json", "r.json"},
        {"stats", "bad.toml", "--runs", "2", "--json", "s.json", "--plot", "s.svg"},
    };
    for (const auto& args : commands) {
        const ToolRun run = RunTool(args, folder);
        EXPECT_EQ(run.exitCode, 2) << c.what;
        EXPECT_EQ(run.err, std::string("bad.toml:") + c.message + "\n") << c.what;
        EXPECT_TRUE(run.out.empty()) << c.what;
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"bad.toml"}) << c.what;
    }
}

const BadFile kBadFiles[] = {
    {"unknown field", "duraton = 5\n", "1:1: unknown field 'duraton' in the scenario; did you mean 'duration'?"},
    {"wrong type", "duration = 5\n[[route]]\nto = \"north\"\nspeed = 1\n",
     "3:6: 'to' must be a position [x, y] or [x, y, z] in metres, not a string"},
    {"out of range", "duration = 5\nframe_time = 2\n", "2:14: 'frame_time' must be at least 0.001 and at most 0.5 s, not 2"},
    {"unknown plant", "duration = 5\n[[plant]]\nmodel = \"chola\"\nat = [0, 0]\n",
     "3:9: unknown plant 'chola'; did you mean 'cholla'?"},
    {"missing settings file", "duration = 5\nsettings = \"gone.ini\"\n",
     "2:12: settings file 'gone.ini' cannot be read (paths are relative to the scenario)"},
    {"not TOML", "duration = = 5\n", "1:12: Error while parsing value: could not determine value type"},
};

INSTANTIATE_TEST_SUITE_P(OnePerKind, ScenarioErrorsOnTheCommandLine, testing::ValuesIn(kBadFiles),
                         [](const testing::TestParamInfo<BadFile>& info) {
                             return "kind" + std::to_string(info.index);
                         });

TEST(CommandLineInput, ABadSettingsFileOrOutputStopsTheRun) {
    const auto folder = ScratchFolder("bad_inputs");
    WriteFile(folder / "ok.toml", "duration = 1\n");
    const ToolRun missing = RunTool({"run", "ok.toml", "--settings", "nope.ini", "--json", "r.json"}, folder);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("nope.ini: cannot read a settings file"), std::string::npos) << missing.err;
    const ToolRun plot = RunTool({"run", "ok.toml", "--plot", "picture.jpg"}, folder);
    EXPECT_EQ(plot.exitCode, 2);
    EXPECT_NE(plot.err.find("picture.jpg: a plot must be a .png or .svg file"), std::string::npos) << plot.err;
    // An output that cannot be written stops the run before any other is written.
    const ToolRun unwritable =
        RunTool({"run", "ok.toml", "--trace", "t.jsonl", "--json", "no/such/folder/r.json"}, folder);
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_NE(unwritable.err.find("no/such/folder/r.json: cannot write"), std::string::npos) << unwritable.err;
    const ToolRun noScenario = RunTool({"run", "absent.toml"}, folder);
    EXPECT_EQ(noScenario.exitCode, 2);
    EXPECT_EQ(noScenario.err, "absent.toml:1:1: cannot read the scenario file\n");
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"ok.toml"});
}

}  // namespace
}  // namespace thornbrake::cli
