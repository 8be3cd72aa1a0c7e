// Console output plus, at the end, the ratio of the medians of paired
// benchmarks: "<numerator>/<case>" over "<denominator>/<case>", measured in
// the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace thornbrake::bench {

class MedianRatioReporter : public benchmark::ConsoleReporter {
public:
    MedianRatioReporter(std::string numerator, std::string denominator);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::string numerator_;
    std::string denominator_;
    std::map<std::string, double> medians_;  // benchmark name -> median ns
};

// Google Benchmark's command line with our defaults put first, so that flags
// given by the user still win: repetitions interleaved at random and only
// their aggregates shown.
std::vector<char*> WithDefaultFlags(int argc, char** argv);

}  // namespace thornbrake::bench
