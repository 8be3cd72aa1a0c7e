// The real Thornbrake.asi under Wine, loaded by thornbrake-asi-runner next to
// the stand-in ScriptHookRDR2.dll, against the Linux build of the same code
// in the simulated host: same scenarios, same world answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "in_process_run.h"
#include "sim/scenario/scenario_parser.h"
#include "sim/scenario/settings_text.h"
#include "trace_file.h"
#include "wine_runner.h"
#include "windows_test_config.h"

namespace thornbrake::windows_test {
namespace {

const std::filesystem::path kScenarios = kSourceDir / "tests" / "windows" / "scenarios";

// Settings that show in a trace: one cool-down wait after a trip, and one
// lingering cholla tick after a contact.
constexpr char kShortEffects[] =
    "[PLAYER_CACTUS_EFFECT]\r\nCactusChollaEffectDuration=1\r\n[BUSH_EFFECT]\r\nTripCooldown=0\r\n";
// Far from the defaults and from kShortEffects in every way a trace shows.
constexpr char kLongEffects[] =
    "[PLAYER_CACTUS_EFFECT]\r\nCactusChollaEffectDuration=50\r\n[BUSH_EFFECT]\r\nTripCooldown=8\r\n";

// Wine reads a Unix path as a path on drive Z:, the root of the file system.
std::string WindowsPath(const std::filesystem::path& path) {
    std::string text = "Z:" + std::filesystem::absolute(path).string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

struct WineRun {
    PluginRun run;
    int cycles = 1;
    // Copied over .\Thornbrake.ini while the plugin registers.
    std::optional<std::string> settingsOnRegister = std::nullopt;
};

// Runs both builds in scratch folders of their own. The folders, traces of
// a few hundred thousand calls, stay behind only when the test fails.
class WineRunTest : public testing::Test {
protected:
    void TearDown() override {
        if (HasFailure()) return;
        for (const std::filesystem::path& folder : folders_) std::filesystem::remove_all(folder);
    }

    // Runs thornbrake-asi-runner in a fresh folder, which holds
    // `settingsText` as Thornbrake.ini (or no such file); returns its trace.
    std::vector<std::string> RunUnderWineHost(const std::string& name, const std::filesystem::path& scenario,
                                              const WineRun& wine) {
        const std::filesystem::path folder = Folder(name);
        if (wine.run.settingsText) {
            std::ofstream(folder / "Thornbrake.ini", std::ios::binary) << *wine.run.settingsText;
        }
        std::vector<std::string> arguments{"--plugin", WindowsPath(PluginPath()),
                                           "--scenario", WindowsPath(scenario),
                                           "--trace", "trace.jsonl",
                                           "--seed", std::to_string(wine.run.seed),
                                           "--cycles", std::to_string(wine.cycles)};
        if (wine.run.passes) arguments.insert(arguments.end(), {"--passes", std::to_string(*wine.run.passes)});
        if (wine.settingsOnRegister) {
            std::ofstream(folder / "replacement.ini", std::ios::binary) << *wine.settingsOnRegister;
            arguments.insert(arguments.end(), {"--settings-on-register", "replacement.ini"});
        }
        const ProcessResult result = RunUnderWine(WindowsProgram("thornbrake-asi-runner"), arguments, folder);
        if (result.exitCode != 0) throw std::runtime_error("thornbrake-asi-runner failed: " + Describe(result));
        return ReadTraceLines(folder / "trace.jsonl");
    }

    std::vector<std::string> RunOnLinux(const std::string& name, const std::filesystem::path& scenario,
                                        const PluginRun& run) {
        const std::filesystem::path trace = Folder(name) / "trace.jsonl";
        RunInProcess(scenario::LoadScenario(scenario), run, trace);
        return ReadTraceLines(trace);
    }

private:
    std::filesystem::path Folder(const std::string& name) {
        folders_.push_back(FreshScratchFolder(name));
        return folders_.back();
    }

    std::vector<std::filesystem::path> folders_;
};

using WinePlugin = WineRunTest;

// The pain ids checked and set aside (see SetAsidePainIds).
std::vector<std::string> Comparable(std::vector<std::string> lines) {
    const std::vector<std::string> unexpected = SetAsidePainIds(lines);
    EXPECT_TRUE(unexpected.empty()) << "pain ids other than 4, 5, 11:\n" << unexpected.front();
    return lines;
}

// Equal traces, or the first difference with its position.
testing::AssertionResult SameCalls(const std::vector<std::string>& windows, const std::vector<std::string>& onLinux) {
    const auto [w, l] = std::mismatch(windows.begin(), windows.end(), onLinux.begin(), onLinux.end());
    if (w == windows.end() && l == onLinux.end()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the traces part at call " << (w - windows.begin()) + 1 << " of "
                                       << windows.size() << " (Windows) and " << onLinux.size() << " (Linux)"
                                       << "\n  Windows: " << (w == windows.end() ? "<end>" : *w)
                                       << "\n  Linux:   " << (l == onLinux.end() ? "<end>" : *l);
}

bool IsWait(const std::string& line, int ms) {
    return OperationOf(line) == "scriptWait" && line.find("\"args\": [" + std::to_string(ms) + "]") != std::string::npos;
}

// For every trip, how many 1000 ms waits follow its damage: the cool-down.
std::vector<int> CooldownAfterEachTrip(const std::vector<std::string>& lines) {
    std::vector<int> cooldowns;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (OperationOf(lines[i]) != "TripCharacter") continue;
        int waits = 0;
        for (std::size_t j = i + 2; j < lines.size() && IsWait(lines[j], 1000); ++j) ++waits;
        cooldowns.push_back(waits);
    }
    return cooldowns;
}

// Each lingering cholla tick ends with a 500 ms wait (the scenarios have no
// other plant that waits 500 ms).
long ChollaTicks(const std::vector<std::string>& lines) {
    return std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return IsWait(line, 500); });
}

TEST_F(WinePlugin, RegistersBeforeItsPassesAndUnregistersAfterThem) {
    const std::vector<std::string> lines =
        RunUnderWineHost("wine-lifecycle", kScenarios / "cholla_then_bushes.toml", {.run = {.seed = 7, .passes = 5}});
    std::vector<std::string> lifecycle;
    for (const std::string& line : lines) {
        const std::string op = OperationOf(line);
        if (op.ends_with("egister")) lifecycle.push_back(op);
        if (IsWait(line, 0)) lifecycle.push_back("pass");
    }
    const std::vector<std::string> expected{"scriptRegister",   "keyboardHandlerRegister", "pass", "pass", "pass",
                                            "pass",             "pass",
                                            "scriptUnregister", "keyboardHandlerUnregister"};
    EXPECT_EQ(lifecycle, expected);
    EXPECT_EQ(OperationOf(lines.back()), "keyboardHandlerUnregister") << "calls after unloading";
}

TEST_F(WinePlugin, TakesItsSettingsFromTheFileInTheWorkingFolder) {
    const std::filesystem::path scenario = kScenarios / "cholla_then_bushes.toml";
    const std::vector<std::string> defaults = RunUnderWineHost("wine-no-settings", scenario, {.run = {.seed = 7}});
    const std::vector<std::string> shortEffects =
        RunUnderWineHost("wine-short-effects", scenario, {.run = {.seed = 7, .settingsText = kShortEffects}});

    // Without a file: TripCooldown 4 gives five waits, CactusChollaEffectDuration 30 ticks.
    const std::vector<int> defaultCooldowns = CooldownAfterEachTrip(defaults);
    ASSERT_FALSE(defaultCooldowns.empty()) << "the scenario no longer trips the character";
    EXPECT_EQ(defaultCooldowns, std::vector<int>(defaultCooldowns.size(), 5));
    EXPECT_EQ(ChollaTicks(defaults), 30);

    const std::vector<int> shortCooldowns = CooldownAfterEachTrip(shortEffects);
    ASSERT_FALSE(shortCooldowns.empty()) << "the scenario no longer trips the character";
    EXPECT_EQ(shortCooldowns, std::vector<int>(shortCooldowns.size(), 1));
    EXPECT_EQ(ChollaTicks(shortEffects), 1);
}

struct AgreementCase {
    const char* name;
    const char* scenario;            // under kSourceDir
    std::uint64_t seed;
    const char* settings;            // the text of .\Thornbrake.ini; nullptr: no file
    const char* settingsOnRegister;  // copied over it while the plugin registers; nullptr: nothing
    bool scenarioSettings = false;   // the scenario's own settings file, as the simulator reads it
};

void PrintTo(const AgreementCase& c, std::ostream* out) { *out << c.name; }

class WineAndLinuxBuilds : public WineRunTest, public testing::WithParamInterface<AgreementCase> {};

TEST_P(WineAndLinuxBuilds, MakeTheSameCalls) {
    const AgreementCase& c = GetParam();
    const std::filesystem::path scenario = kSourceDir / c.scenario;
    WineRun wine{.run = {.seed = c.seed}};
    if (c.settings != nullptr) wine.run.settingsText = c.settings;
    if (c.settingsOnRegister != nullptr) wine.settingsOnRegister = c.settingsOnRegister;
    if (c.scenarioSettings) {
        const scenario::Scenario parsed = scenario::LoadScenario(scenario);
        wine.run.settingsText = scenario::SettingsTextFor(parsed.settingsFile, parsed.overrides);
    }
    const std::string name = std::string("agreement-") + c.name;
    const auto windows = Comparable(RunUnderWineHost(name + "-wine", scenario, wine));
    const auto onLinux = Comparable(RunOnLinux(name + "-linux", scenario, wine.run));
    EXPECT_TRUE(SameCalls(windows, onLinux));
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WineAndLinuxBuilds,
    testing::Values(
        AgreementCase{"cholla_and_bushes_without_settings", "tests/windows/scenarios/cholla_then_bushes.toml", 7,
                      nullptr, nullptr},
        AgreementCase{"cholla_and_bushes_with_short_effects", "tests/windows/scenarios/cholla_then_bushes.toml", 11,
                      kShortEffects, nullptr},
        // The file is replaced while DllMain registers: the plugin must have
        // read it before, so the Linux run with the first file agrees.
        AgreementCase{"settings_replaced_while_registering", "tests/windows/scenarios/cholla_then_bushes.toml", 7,
                      kShortEffects, kLongEffects},
        AgreementCase{"desert_walk_and_ride", "scenarios/default.toml", 1, nullptr, nullptr, true}),
    [](const testing::TestParamInfo<AgreementCase>& info) { return std::string(info.param.name); });

TEST_F(WinePlugin, LoadsRunsAndUnloadsFiftyTimesInOneProcess) {
    // Every life touches the cholla early and still has its lingering effect
    // running when it is unloaded: a reload that kept anything of the last
    // life would start differently from a fresh load.
    const std::filesystem::path scenario = kScenarios / "cholla_at_the_start.toml";
    const PluginRun run{.seed = 3, .passes = 25};
    const auto lives = SplitLives(RunUnderWineHost("wine-fifty-lives", scenario, {.run = run, .cycles = 50}));
    const auto fresh = Comparable(RunOnLinux("wine-fifty-lives-linux", scenario, run));
    ASSERT_EQ(lives.size(), 50u);
    for (std::size_t i = 0; i < lives.size(); ++i) {
        EXPECT_TRUE(SameCalls(Comparable(lives[i]), fresh)) << "life " << i + 1;
    }
}

}  // namespace
}  // namespace thornbrake::windows_test
