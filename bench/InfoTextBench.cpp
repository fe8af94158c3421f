// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTables.h"
#include "core/FieldLayout.h"
#include "core/InfoText.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ValueList999(benchmark::State& state) {
    auto table = benchTable(999);
    tarvisol::FieldLayout(table, initialAreaWidth, initialAreaHeight);
    for (auto _ : state) {
        auto text = tarvisol::valueList(table, ".");
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ValueList999)->Unit(benchmark::kMicrosecond);

} // namespace
