#include "bench/median_ratio_reporter.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

namespace thornbrake::bench {

MedianRatioReporter::MedianRatioReporter(std::string numerator, std::string denominator)
    // Colours only on a terminal, so that saved output stays plain text.
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
      numerator_(std::move(numerator)),
      denominator_(std::move(denominator)) {}

void MedianRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            medians_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

void MedianRatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    const std::string prefix = numerator_ + "/";
    bool header = false;
    for (const auto& [name, median] : medians_) {
        if (name.rfind(prefix, 0) != 0) continue;
        const std::string caseName = name.substr(prefix.size());
        const auto other = medians_.find(denominator_ + "/" + caseName);
        if (other == medians_.end() || other->second <= 0) continue;
        if (!header) {
            std::printf("\n%-28s %14s %14s %8s\n", "median ratio", numerator_.c_str(),
                        denominator_.c_str(), "ratio");
            header = true;
        }
        std::printf("%-28s %14.1f %14.1f %8.3f\n", caseName.c_str(), median, other->second,
                    median / other->second);
    }
    std::fflush(stdout);
}

std::vector<char*> WithDefaultFlags(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=15";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    static char minTime[] = "--benchmark_min_time=0.1";
    std::vector<char*> args{argv[0], repetitions, interleave, aggregates, minTime};
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    return args;
}

}  // namespace thornbrake::bench
