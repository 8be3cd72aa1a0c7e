// Streaming the trace to a JSON Lines file: the file holds exactly the lines
// of the in-memory trace, and only once the run is committed.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sim/call_json.h"
#include "sim/json_lines_writer.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;

class JsonLinesFile : public HostTest {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("sim_tests_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static std::vector<std::string> ReadLines(const std::filesystem::path& path) {
        std::ifstream in(path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    std::filesystem::path dir_;
};

TEST_F(JsonLinesFile, CommittedFileHoldsEveryCallInOrder) {
    const auto path = dir_ / "trace.jsonl";
    {
        JsonLinesWriter writer(path);
        host.GetTrace().SetSink(&writer);
        host.Attach();
        host.RunPasses(3);
        host.GetTrace().SetSink(nullptr);
        writer.Commit();
    }
    std::vector<std::string> expected;
    for (const CallRecord& r : host.GetTrace().Records()) expected.push_back(ToJson(r));
    EXPECT_GT(expected.size(), 3u);
    EXPECT_EQ(ReadLines(path), expected);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".partial"));
}

TEST_F(JsonLinesFile, StreamsWithoutInMemoryRecording) {
    const auto path = dir_ / "trace.jsonl";
    JsonLinesWriter writer(path);
    host.GetTrace().SetRecording(false);
    host.GetTrace().SetSink(&writer);
    host.Attach();
    host.RunPasses(2);
    writer.Commit();
    EXPECT_EQ(host.GetTrace().size(), 0u);
    const std::vector<std::string> lines = ReadLines(path);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), R"({"t": 33, "op": "scriptWait", "args": [0]})");
}

TEST_F(JsonLinesFile, UncommittedRunLeavesNoFile) {
    const auto path = dir_ / "trace.jsonl";
    {
        JsonLinesWriter writer(path);
        host.GetTrace().SetSink(&writer);
        host.Attach();
        host.RunPasses(1);
        host.GetTrace().SetSink(nullptr);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".partial"));
}

TEST_F(JsonLinesFile, UncreatableFileIsReportedByName) {
    const auto path = dir_ / "no such folder" / "trace.jsonl";
    try {
        JsonLinesWriter writer(path);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("no such folder/trace.jsonl"));
    }
}

}  // namespace
}  // namespace thornbrake::sim
