// SPDX-License-Identifier: GPL-3.0-or-later
#include "MedianTable.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

bool formatChosen(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with("--benchmark_format")) {
            return true;
        }
    }
    return false;
}

} // namespace

// Prints the table of medians unless a format of Google Benchmark's own is asked for.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool ownFormat = formatChosen(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianTable table;
    if (ownFormat) {
        benchmark::RunSpecifiedBenchmarks();
    } else {
        benchmark::RunSpecifiedBenchmarks(&table);
    }
    benchmark::Shutdown();
    return 0;
}
