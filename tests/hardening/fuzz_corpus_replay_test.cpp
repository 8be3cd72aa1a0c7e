// Every input in the fuzzers' checked-in corpora, seeds and the inputs that
// once found a fault alike, run through the same checks the fuzzers make, so
// the unit suite (and its sanitizer build) keeps them fixed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_targets.h"

namespace thornbrake::hardening {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzCorpus : public testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryInputPassesItsChecks) {
    const fs::path folder = fs::path(THORNBRAKE_FUZZ_CORPUS_DIR) / GetParam().name;
    ASSERT_TRUE(fs::is_directory(folder)) << folder << " is missing";
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    ASSERT_FALSE(inputs.empty()) << folder << " holds no input";
    for (const fs::path& input : inputs) {
        EXPECT_EQ(GetParam().check(ReadFile(input)), "") << input;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, testing::ValuesIn(FuzzTargets()),
                         [](const testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace thornbrake::hardening
