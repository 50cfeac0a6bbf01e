// Cost of one reminder tick with all 50 alarm slots enabled and none due, the chime on:
// the work Timer1_Timer does five times a second. Run the Release build:
// build/release/bench/tick_bench
#include <benchmark/benchmark.h>

#include "tests/tockly/app_harness.h"

namespace {

using namespace tockly;

void BM_Timer1_Timer_AllSlotsNoneDue(benchmark::State& state) {
    // The tests' complete program on fake services.
    testing::AppHarness harness;
    shell::TocklyApp& app = harness.app;
    // Every slot on at the current hour but another minute, so each one is read in full.
    for (int i = 0; i < model::kSlotCount; ++i) {
        auto& slot = app.settings.slots[static_cast<size_t>(i)];
        slot.dingshi_shi.set_list_index(i % 2 == 0 ? 12 : 24);
        slot.dingshi_fen.set_list_index(i % 59 + 1);
        slot.dingshi_riqi.caption = "星期1,2,3,4,5";
        slot.dingshi.set_value(1);
    }
    app.settings.chime.zhengdian.set_value(1);
    app.settings.chime.zhengdian_jiange.set_text("60");
    harness.clock.set(2026, 12, 7, 12, 0, 30);
    for (auto _ : state) {
        app.Timer1_Timer();
    }
    if (!harness.player1.log.empty()) state.SkipWithError("a reminder fired");
}
BENCHMARK(BM_Timer1_Timer_AllSlotsNoneDue)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
