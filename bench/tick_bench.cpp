// Cost of one reminder tick with all 50 alarm slots enabled and none due, the chime on:
// the work Timer1_Timer does five times a second. Run the Release build:
// build/release/bench/tick_bench
#include <benchmark/benchmark.h>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/fakes/fake_events.h"
#include "tockly/platform/fakes/fake_player.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/shell/tockly_app.h"

namespace {

using namespace tockly;

void BM_Timer1_Timer_AllSlotsNoneDue(benchmark::State& state) {
    platform::FakeClock clock;
    platform::FakeEventQueue queue;
    platform::FakePlayer player1(clock, queue);
    platform::FakePlayer player2(clock, queue);
    platform::FakeWaveVolume volume;
    platform::FakePower power;
    platform::FakeFileSystem files;
    platform::FakeMessageBox message_box;
    platform::FakeMessagePump pump(clock, queue);
    platform::FakeKeyboard keyboard;
    platform::FakeCalendarControl calendar;
    platform::FakeScreen screen;
    platform::FakeFileDialog dialog;
    platform::FakeHttp http;
    platform::FakeSystemTime system_time;
    platform::FakeCalendarControl Moonleaf2;
    shell::TocklyApp app({clock, player1, player2, volume, power, files, message_box, pump,
                          keyboard, calendar, screen, dialog, http, system_time, Moonleaf2});
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
    clock.set(2026, 12, 7, 12, 0, 30);
    for (auto _ : state) {
        app.Timer1_Timer();
    }
    if (!player1.log.empty()) state.SkipWithError("a reminder fired");
}
BENCHMARK(BM_Timer1_Timer_AllSlotsNoneDue)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
