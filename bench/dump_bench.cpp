// The whole output of `moonleaf dump 1901-01-01 2090-12-31` (69,397 days, about 5.5 MB), built
// in memory as the command builds it before its single write. Run the Release build:
// build/release/bench/dump_bench
#include <benchmark/benchmark.h>

#include "moonleaf/cli/day_facts.h"

namespace {

using common::OleDate;

void BM_WholeDump(benchmark::State& state) {
    const OleDate from = OleDate::from_ymd(1901, 1, 1), to = OleDate::from_ymd(2090, 12, 31);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = moonleaf::cli::dump_text(from, to);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WholeDump)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
