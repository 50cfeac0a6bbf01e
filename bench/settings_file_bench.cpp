// One load of a full settings file and one save of it, on an in-memory file system: what the
// program does at start-up and on the save button, without the disk.
#include <benchmark/benchmark.h>

#include "tests/tockly/shell/fake_prompt_placement.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/shell/settings_file.h"

namespace {

using namespace tockly;

void fill_every_slot(engine::ReminderSettings& settings) {
    for (int k = 0; k < engine::kSlotCount; ++k) {
        engine::AlarmSlot& slot = settings.slots[k];
        slot.dingshi.set_value(k % 2);
        slot.dingshi_shi.set_list_index(k % 25);
        slot.dingshi_fen.set_list_index(k);
        slot.dingshi_riqi.caption = "星期1,2,3,4,5";
        slot.dingshi_text.set_text("第" + std::to_string(k + 1) + "个提醒：起床，上班！");
        slot.dingshi_wenjian.set_text("D:\\音乐\\闹钟 " + std::to_string(k) + ".mp3");
    }
}

void BM_SettingsLoadAndSave(benchmark::State& state) {
    platform::FakeFileSystem files;
    platform::FakeMessageBox boxes;
    shell::FakePromptPlacement prompt;
    engine::ReminderSettings settings;
    fill_every_slot(settings);
    shell::save_settings(settings, prompt, files, boxes, "Tockly");
    for (auto _ : state) {
        shell::load_settings(settings, prompt, files);
        shell::save_settings(settings, prompt, files, boxes, "Tockly");
        boxes.shown.clear();
    }
}
BENCHMARK(BM_SettingsLoadAndSave)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
