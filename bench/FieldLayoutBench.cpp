#include "BenchTables.h"
#include "core/FieldLayout.h"

#include <benchmark/benchmark.h>

namespace {

float fixedMeasure(std::string_view text) {
    return 60.0f * float(text.size());
}

// Every entry laid out from nothing: the first drawing of a table.
void BM_FieldLayoutCold(benchmark::State& state) {
    auto table = benchTable(int(state.range(0)));
    for (auto _ : state) {
        const tarvisol::FieldLayout layout(table, initialAreaWidth, initialAreaHeight, ".");
        auto items = layout.items(fixedMeasure);
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_FieldLayoutCold)->Arg(1)->Arg(10)->Arg(100)->Arg(999)->Unit(benchmark::kMicrosecond);

// What each "hinzufügen" costs the window: the table laid out again with the cache it keeps.
void BM_FieldLayout(benchmark::State& state) {
    auto table = benchTable(int(state.range(0)));
    tarvisol::FieldCache cache;
    tarvisol::FieldLayout(table, initialAreaWidth, initialAreaHeight, ".", &cache);
    for (auto _ : state) {
        const tarvisol::FieldLayout layout(table, initialAreaWidth, initialAreaHeight, ".", &cache);
        auto items = layout.items(fixedMeasure);
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_FieldLayout)->Arg(1)->Arg(10)->Arg(100)->Arg(999)->Unit(benchmark::kMicrosecond);

} // namespace
