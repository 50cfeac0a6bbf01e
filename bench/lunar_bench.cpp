// Per-call cost of the conversions the month view and the display tick make, over every day
// of 1901-2090. Run the Release build: build/release/bench/lunar_bench
#include <benchmark/benchmark.h>

#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace {

using common::OleDate;

const long kFirst = OleDate::from_ymd(1901, 1, 1).day();
const long kLast = OleDate::from_ymd(2090, 12, 31).day();

void BM_SolarToLunar(benchmark::State& state) {
    long day = kFirst;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moonleaf::SolarToLunar(OleDate::from_day(day)));
        if (++day > kLast) day = kFirst;
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_DayCaption(benchmark::State& state) {
    long day = kFirst;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moonleaf::DayCaption(OleDate::from_day(day)));
        if (++day > kLast) day = kFirst;
    }
}
BENCHMARK(BM_DayCaption);

}  // namespace

BENCHMARK_MAIN();
