// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>

// Prints one table when all benchmarks have run: each benchmark's median in the order they
// were registered, whatever order the repetitions were interleaved in, then the ratios that
// compare two benchmarks of the same run. Without repetitions a single run stands for the
// median.
class MedianTable : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Row {
        std::string name;
        double time = 0; // in unit
        const char* unit = "";
        double nanoseconds = 0;
        double variation = -1; // coefficient of variation in %, if repeated
    };

    void printRatio(const char* what, const std::string& numerator,
                    const std::string& denominator) const;

    std::map<std::pair<int64_t, int64_t>, Row> rows_; // by family, then instance
};
