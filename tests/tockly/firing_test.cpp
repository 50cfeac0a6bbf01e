#include <gtest/gtest.h>

#include "app_harness.h"
#include "tockly/sound/voice_files.h"

namespace tockly::testing {
namespace {

using Paths = std::vector<std::string>;

struct FiringHarness : AppHarness {
    // Fires at 6:45:00.1 on a Monday.
    void fire_at_645() {
        clock.set_time(6, 44, 59.9);
        run(0.2);
    }
};

TEST(Firing, AlarmWithTextAndSpokenAnnouncement) {
    FiringHarness h;
    h.set_alarm(12, 6, 45).dingshi_text.set_text("起床");
    h.fire_at_645();
    h.run(5);
    EXPECT_EQ(h.app.Form2.Tag(), "定时12");
    h.app.Form2.refresh();
    EXPECT_EQ(h.app.Form2.Label1[0].caption, " *定时12* 起床");
    EXPECT_EQ(h.player1.played, (Paths{h.clip("sy\\ds"), h.clip("sy\\s6"), h.clip("sy\\f45")}));
}

TEST(Firing, SilentSlotWithoutTextShowsNothing) {
    FiringHarness h;
    auto& slot = h.set_alarm(1, 6, 45);
    set_quietly(slot.dingshi_wenzi, 0);
    set_quietly(slot.dingshi_xuan_shengyin, 0);
    h.fire_at_645();
    EXPECT_FALSE(h.app.Form2.visible());
    EXPECT_TRUE(h.player1.log.empty());
}

TEST(Firing, ShutdownSlotAlwaysShowsTheCountdownAndSpeaks) {
    FiringHarness h;
    auto& slot = h.set_alarm(1, 6, 45, 3);
    slot.dingshi_guanji.set_value(1);
    slot.dingshi_wenzi.set_value(0);
    slot.dingshi_xuan_shengyin.set_value(0);
    h.app.Form2.touming(100);
    h.fire_at_645();
    EXPECT_EQ(h.app.Form2.Tag(), "剩余3分钟");
    EXPECT_EQ(h.app.Form2.alpha(), 255);
    EXPECT_TRUE(h.app.Form2.visible());
    EXPECT_EQ(h.player1.played, Paths{h.clip("sy\\ds")});
}

TEST(Firing, BuiltInSound) {
    FiringHarness h;
    h.set_alarm(1, 6, 45, 4);
    h.fire_at_645();
    EXPECT_EQ(h.player1.played, Paths{h.clip("sy\\n4")});
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "");
}

TEST(Firing, OwnFileFallsBackToTheProgramFolder) {
    FiringHarness h;
    h.player1.clip_length = [](const std::string& path) {
        return path == "C:\\Tockly\\wake.mp3" ? std::optional<double>(30) : std::nullopt;
    };
    h.set_alarm(1, 6, 45, 6).dingshi_wenjian.set_text(" D:\\music\\wake.mp3 ");
    h.fire_at_645();
    EXPECT_EQ(h.player1.log, (Paths{"stop", "open D:\\music\\wake.mp3 277",
                                    "open C:\\Tockly\\wake.mp3 0", "play"}));
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "自定义");
    EXPECT_EQ(h.app.Form2.Command1.caption, "点击取消关机");  // refreshed on the next tick
    h.run(0.2);
    EXPECT_EQ(h.app.Form2.Command1.caption, "点击停止播放");

    // The prompt window's button stops it at once.
    h.app.Form2.Command1_Click();
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "");
    EXPECT_FALSE(h.app.Form2.Command1.visible);
    EXPECT_EQ(h.app.Form2.Tag(), "现在时间");
}

TEST(Firing, MissingOwnFileIsSilent) {
    FiringHarness h;
    h.player1.clip_length = [](const std::string&) { return std::nullopt; };
    h.set_alarm(1, 6, 45, 6).dingshi_wenjian.set_text("wake.mp3");
    h.fire_at_645();
    EXPECT_EQ(h.player1.log, (Paths{"stop", "open wake.mp3 277", "open C:\\Tockly\\wake.mp3 277"}));
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "");
    EXPECT_TRUE(h.app.Form2.visible());
}

struct ChimeHarness : AppHarness {
    ChimeHarness() {
        auto& chime = app.settings.chime;
        chime.zhengdian.set_value(1);
        chime.zhengdian_jiange.set_text("60");
        chime.zhengdian_wenzi.set_value(1);
        chime.zhengdian_xuan_shengyin.set_value(1);
        files.folders["C:\\Tockly\\明星报时"] = {"Korvane"};
        for (int hour = 0; hour < 24; ++hour) {
            files.add_file("C:\\Tockly\\明星报时\\Korvane\\" + std::to_string(hour) + ".mp3");
        }
        sound::fillVoicePackList(files, "C:\\Tockly\\", chime.zhengdian_shengyin_mingxing);
    }
    void chime_at_nine() {
        clock.set_time(8, 59, 59.9);
        run(0.2);
    }
};

TEST(Firing, ChimeSpeaksTheHour) {
    ChimeHarness h;
    h.app.settings.chime.zhengdian_shengyin.set_list_index(0);
    h.chime_at_nine();
    h.run(5);
    EXPECT_EQ(h.app.Form2.Tag(), "整点报时");
    EXPECT_EQ(h.player1.played, Paths{h.clip("sy\\s9z")});
}

TEST(Firing, CelebrityClipReplacesTheChimeSound) {
    ChimeHarness h;
    auto& chime = h.app.settings.chime;
    chime.zhengdian_shengyin.set_list_index(2);
    set_quietly(chime.zhengdian_mingxing, 1);
    chime.zhengdian_shengyin_mingxing.set_list_index(0);
    h.chime_at_nine();
    EXPECT_EQ(h.player1.played, (Paths{h.clip("sy\\n2"), h.clip("明星报时\\Korvane\\9.mp3")}));
    EXPECT_EQ(h.player1.loaded_path(), h.clip("明星报时\\Korvane\\9.mp3"));
}

TEST(Firing, CelebrityOptionWithoutAPackKeepsTheChimeSound) {
    ChimeHarness h;
    auto& chime = h.app.settings.chime;
    chime.zhengdian_shengyin.set_list_index(2);
    set_quietly(chime.zhengdian_mingxing, 1);  // no pack chosen: empty name
    h.chime_at_nine();
    EXPECT_EQ(h.player1.played, Paths{h.clip("sy\\n2")});
}

// A built-in sound missing from the program folder plays nothing and reports no end: it must
// not leave the playback volume on the system, where the next stop would take it for the
// user's own volume.
TEST(Firing, MissingBuiltInSoundLeavesTheSystemVolumeAlone) {
    ChimeHarness h;
    h.player1.clip_length = [&h](const std::string& path) -> std::optional<double> {
        if (path == h.clip("sy\\n2")) return std::nullopt;
        return 1.0;
    };
    h.volume.word = 0x4CCC4CCC;
    auto& chime = h.app.settings.chime;
    chime.zhengdian_shengyin.set_list_index(2);
    h.chime_at_nine();
    EXPECT_TRUE(h.player1.played.empty());
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);

    // With the celebrity option the pack's clip plays, and its end restores the user's volume.
    h.clock.set_time(9, 59, 59.9);
    chime.zhengdian_mingxing.set_value(1);
    chime.zhengdian_shengyin_mingxing.set_list_index(0);
    h.run(3);
    EXPECT_EQ(h.player1.played, Paths{h.clip("明星报时\\Korvane\\10.mp3")});
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
}

}  // namespace
}  // namespace tockly::testing
