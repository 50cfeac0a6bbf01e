#include <gtest/gtest.h>

#include "app_harness.h"
#include "tockly/sound/voice_files.h"

namespace tockly::testing {
namespace {

using Paths = std::vector<std::string>;

TEST(Announcer, CurrentTimeOnTheHourIsOneClip) {
    AppHarness h;
    h.clock.set_time(14, 0, 30);
    h.app.bofang_shijian("现在时间");
    h.run(5);
    EXPECT_EQ(h.player1.played, Paths{h.clip("sy\\s14z")});
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "播放现在分钟");
}

TEST(Announcer, CurrentTimeSaysHourThenMinute) {
    AppHarness h;
    h.clock.set_time(14, 7, 30);
    h.app.bofang_shijian("现在时间");
    h.run(5);
    EXPECT_EQ(h.player1.played, (Paths{h.clip("sy\\s14"), h.clip("sy\\f7")}));
}

TEST(Announcer, AlarmNoticeThenHourThenMinute) {
    AppHarness h;
    h.clock.set_time(7, 30, 0);
    h.app.bofang_shijian("定时");
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "播放定时");
    h.run(5);
    EXPECT_EQ(h.player1.played, (Paths{h.clip("sy\\ds"), h.clip("sy\\s7"), h.clip("sy\\f30")}));
}

TEST(Announcer, EachStepReadsTheClockWhenItStarts) {
    AppHarness h;
    h.player1.clip_ms = [](const std::string&) { return std::optional<std::int64_t>(2000); };
    h.clock.set_time(8, 59, 57.5);
    h.app.bofang_shijian(
        "定时");  // the hour step starts at 8:59:59.5, the minute step at 9:00:01.5
    h.run(8);
    EXPECT_EQ(h.player1.played, (Paths{h.clip("sy\\ds"), h.clip("sy\\s8")}));
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "播放现在分钟");
}

TEST(Announcer, WarningsAndCancelNotice) {
    AppHarness h;
    const std::pair<const char*, const char*> kinds[] = {
        {"剩余3分钟", "sy\\g3"}, {"剩余2分钟", "sy\\g2"}, {"剩余1分钟", "sy\\g1"}};
    for (const auto& [kind, clip] : kinds) {
        h.app.bofang_shijian(kind);
        EXPECT_EQ(h.player1.played.back(), h.clip(clip));
        EXPECT_EQ(h.app.sound.Mp3Play1.Tag, kind);
    }
    h.app.bofang_shijian("定时关机被取消");
    EXPECT_EQ(h.player1.played.back(), h.clip("sy\\qx"));
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "");
    h.app.bofang_shijian("别的");
    EXPECT_EQ(h.player1.played.size(), 4u);
}

TEST(Announcer, CancellingACustomSoundStopsARunningAnnouncement) {
    AppHarness h;
    h.clock.set_time(14, 7, 30);
    h.app.bofang_shijian("现在时间");
    h.run(0.4);
    h.app.bofang_shijian("自定义声音报时被取消");
    h.run(5);
    // The Tag is emptied before the stop, so the stop's end report continues nothing.
    EXPECT_EQ(h.player1.played, Paths{h.clip("sy\\s14")});
    EXPECT_FALSE(h.player1.playing());
}

TEST(Announcer, LastEndOfPlaybackRestoresTheSystemVolume) {
    AppHarness h;
    h.volume.word = 0x4CCC4CCC;
    h.clock.set_time(7, 30, 0);
    h.app.bofang_shijian("定时");
    EXPECT_EQ(h.volume.word, 0xFFFFFFFFu);  // the slider's 100 %
    h.run(5);
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
}

TEST(VoiceFiles, ProgramDirHasExactlyOneTrailingBackslash) {
    platform::FakeFileSystem files;
    files.folder = "D:\\Apps\\Tockly";
    EXPECT_EQ(sound::programDir(files), "D:\\Apps\\Tockly\\");
    files.folder = "D:\\";
    EXPECT_EQ(sound::programDir(files), "D:\\");
}

TEST(VoiceFiles, CelebrityHourFiles) {
    platform::FakeFileSystem files;
    const std::string padded = "C:\\Tockly\\明星报时\\A\\";
    const std::string plain = "C:\\Tockly\\明星报时\\B\\";
    for (int hour = 0; hour < 24; ++hour) {
        files.add_file(padded + (hour < 10 ? "0" : "") + std::to_string(hour) + ".mp3");
        files.add_file(plain + std::to_string(hour + 1) + ".mp3");
    }
    EXPECT_EQ(sound::panduan_mingxing(files, padded, 0), padded + "00.mp3");
    EXPECT_EQ(sound::panduan_mingxing(files, padded, 7), padded + "07.mp3");
    EXPECT_EQ(sound::panduan_mingxing(files, padded, 13), padded + "13.mp3");
    EXPECT_EQ(sound::panduan_mingxing(files, plain, 0), plain + "24.mp3");
    EXPECT_EQ(sound::panduan_mingxing(files, plain, 7), plain + "7.mp3");
    EXPECT_EQ(sound::panduan_mingxing(files, "C:\\Tockly\\明星报时\\\\", 7), "不存在");
}

TEST(VoiceFiles, PackListSkipsDotEntries) {
    platform::FakeFileSystem files;
    files.folders["C:\\Tockly\\明星报时"] = {".", "..", "Korvane", "二号"};
    ui::ListBox packs;
    packs.add_item("old");
    sound::fillVoicePackList(files, "C:\\Tockly\\", packs);
    ASSERT_EQ(packs.list_count(), 2);
    EXPECT_EQ(packs.item(0), "Korvane");
    EXPECT_EQ(packs.item(1), "二号");
}

}  // namespace
}  // namespace tockly::testing
