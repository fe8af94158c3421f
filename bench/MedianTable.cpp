// SPDX-License-Identifier: GPL-3.0-or-later
#include "MedianTable.h"

#include <cstdio>
#include <ostream>

bool MedianTable::ReportContext(const Context& context) {
    PrintBasicContext(&GetOutputStream(), context);
    GetOutputStream().flush();
    return true;
}

void MedianTable::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) {
            std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(),
                         run.error_message.c_str());
            continue;
        }
        Row& row = rows_[{run.family_index, run.per_family_instance_index}];
        // Without the "repeats:" part, which says nothing about what was measured.
        const auto& name = run.run_name;
        row.name = name.function_name + (name.args.empty() ? "" : "/" + name.args);
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (single || median) {
            row.time = run.GetAdjustedRealTime();
            row.unit = benchmark::GetTimeUnitString(run.time_unit);
            row.nanoseconds = row.time * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "cv") {
            row.variation = run.real_accumulated_time * 100; // a fraction, not a time
        }
    }
}

void MedianTable::printRatio(const char* what, const std::string& numerator,
                             const std::string& denominator) const {
    const Row* top = nullptr;
    const Row* bottom = nullptr;
    for (const auto& [key, row] : rows_) {
        top = row.name == numerator ? &row : top;
        bottom = row.name == denominator ? &row : bottom;
    }
    if (top && bottom && bottom->nanoseconds > 0) {
        std::printf("%-36s %10.2f\n", what, top->nanoseconds / bottom->nanoseconds);
    }
}

void MedianTable::Finalize() {
    std::printf("%-36s %10s %6s\n", "benchmark (median, wall time)", "time", "cv");
    for (const auto& [key, row] : rows_) {
        if (row.variation >= 0) {
            std::printf("%-28s %14.3f %-3s %4.1f %%\n", row.name.c_str(), row.time, row.unit,
                        row.variation);
        } else {
            std::printf("%-28s %14.3f %-3s\n", row.name.c_str(), row.time, row.unit);
        }
    }
    printRatio("ratio Zeichnen / plain QPainter", "BM_Zeichnen999", "BM_PlainQPainter999");
    printRatio("ratio click at 999 / painting floor", "BM_Click999", "BM_PaintingFloor999");
    printRatio("ratio repaint 999 / 1 fields", "BM_Repaint/999", "BM_Repaint/1");
    std::fflush(stdout);
}
