// A full redraw of the month view (frame, title band, weekday header, bottom band, day grid,
// separators, both selector boxes) onto a recording canvas, as a host repaints after its
// bitmaps were recreated. Run the Release build: build/release/bench/control_bench
#include <benchmark/benchmark.h>

#include "moonleaf/control/moonleaf_control.h"
#include "tests/control/control_fakes.h"

namespace {

using common::OleDate;

void BM_FullMonthRedraw(benchmark::State& state) {
    moonleaf::testing::FakeHost host;
    moonleaf::testing::RecordingCanvas canvas;
    moonleaf::MoonleafControl control(host, canvas);
    (void)control.init_new();
    // One month with a festival in every week; later months shift the year scan's length.
    (void)control.put_Value(OleDate::from_ymd(static_cast<int>(state.range(0)), 10, 1));
    for (auto _ : state) {
        canvas.calls.clear();
        control.redraw_all();
        benchmark::DoNotOptimize(canvas.calls.data());
    }
}
BENCHMARK(BM_FullMonthRedraw)->Arg(1901)->Arg(2020)->Arg(2090);

}  // namespace

BENCHMARK_MAIN();
