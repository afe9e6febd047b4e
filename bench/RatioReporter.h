#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The console report, plus each measured benchmark's time as a multiple of
// its floor measured in the same run: absolute times drift on these machines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Pairs of (floor, measured) benchmark names.
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs) : pairs_(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for the benchmark.
            std::string name = run.benchmark_name();
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name != "median")
                    continue;
                name = name.substr(0, name.size() - std::string("_median").size());
            }
            times_[name] = run.GetAdjustedRealTime();
        }
    }

    // At the end, whatever order the runs came in (interleaved, say).
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [floor, measured] : pairs_) {
            if (times_.count(measured) && times_.count(floor) && times_[floor] > 0)
                std::printf("%s / %s = %.2f\n", measured.c_str(), floor.c_str(), times_[measured] / times_[floor]);
        }
        std::fflush(stdout);
    }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
    std::map<std::string, double> times_;
};
