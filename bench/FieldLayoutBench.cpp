// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTables.h"
#include "core/Zeichnen.h"

#include <benchmark/benchmark.h>

namespace {

// What each "hinzufügen" works out before anything is painted: every entry's angles, the
// scale, each field and its label.
void BM_FieldLayout(benchmark::State& state) {
    auto table = benchTable(int(state.range(0)));
    FieldListCanvas canvas;
    for (auto _ : state) {
        tarvisol::Zeichnen(table, canvas, ".");
        benchmark::DoNotOptimize(canvas.labels.data());
    }
}
BENCHMARK(BM_FieldLayout)->Arg(1)->Arg(10)->Arg(100)->Arg(999)->Unit(benchmark::kMicrosecond);

} // namespace
