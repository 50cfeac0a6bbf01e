// One load of a full settings file and one save of it: what the program does at start-up and
// on the save button, in memory and on the disk (temporary file, then the replacement).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "tests/tockly/settings/fake_prompt_placement.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/settings/settings_file.h"
#include "tools/tockly-sim/real_program_folder.h"

namespace {

using namespace tockly;

void fill_every_slot(model::ReminderSettings& settings) {
    for (int k = 0; k < model::kSlotCount; ++k) {
        model::AlarmSlot& slot = settings.slots[k];
        slot.dingshi.set_value(k % 2);
        slot.dingshi_shi.set_list_index(k % 25);
        slot.dingshi_fen.set_list_index(k);
        slot.dingshi_riqi.caption = "星期1,2,3,4,5";
        slot.dingshi_text.set_text("第" + std::to_string(k + 1) + "个提醒：起床，上班！");
        slot.dingshi_wenjian.set_text("D:\\音乐\\闹钟 " + std::to_string(k) + ".mp3");
    }
}

void load_and_save(benchmark::State& state, platform::FileSystem& files) {
    platform::FakeMessageBox boxes;
    settings_file::FakePromptPlacement prompt;
    model::ReminderSettings settings;
    fill_every_slot(settings);
    settings_file::save_settings(settings, prompt, files, boxes, "Tockly");
    for (auto _ : state) {
        settings_file::load_settings(settings, prompt, files);
        settings_file::save_settings(settings, prompt, files, boxes, "Tockly");
        boxes.shown.clear();
    }
}

void BM_SettingsLoadAndSaveInMemory(benchmark::State& state) {
    platform::FakeFileSystem files;
    load_and_save(state, files);
}
BENCHMARK(BM_SettingsLoadAndSaveInMemory)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_SettingsLoadAndSaveOnDisk(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "tockly-settings-bench";
    std::filesystem::create_directories(folder);
    sim::RealProgramFolder files(folder.string());
    load_and_save(state, files);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SettingsLoadAndSaveOnDisk)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
