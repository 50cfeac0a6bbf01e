#include <gtest/gtest.h>

#include "app_harness.h"

namespace tockly::testing {
namespace {

TEST(PlaybackVolume, ChannelWordArithmetic) {
    AppHarness h;
    h.app.sound.setlr(0x4CCC, 0x4CCC);
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
    h.app.sound.setlr(-1, 0x12345);  // only the low 16 bits of each count
    EXPECT_EQ(h.volume.word, 0xFFFF2345u);
    std::int32_t l = 0;
    std::int32_t r = 0;
    h.volume.word = 0xFFFF0001;
    ASSERT_TRUE(h.app.sound.getlr(l, r));
    EXPECT_EQ(l, 65535);
    EXPECT_EQ(r, 1);
}

TEST(PlaybackVolume, SliderDecidesThePlaybackVolume) {
    AppHarness h;
    h.app.sound.shezhi_shengyin("播放");
    EXPECT_EQ(h.volume.word, 0xFFFFFFFFu);
    h.app.settings.options.Slider2.set_value(50);
    h.app.sound.shezhi_shengyin("播放");
    EXPECT_EQ(h.volume.word, 0x7FFF7FFFu);
    h.app.settings.options.Slider2.set_value(1);
    h.app.sound.shezhi_shengyin("播放");
    EXPECT_EQ(h.volume.word, 0x028F028Fu);  // 655.35 -> 655
    h.app.sound.shezhi_shengyin("别的");
    EXPECT_EQ(h.volume.sets.size(), 3u);
}

TEST(PlaybackVolume, SystemVolumeIsRememberedAndRestoredExactly) {
    AppHarness h;
    h.volume.word = 0x4CCC4CCC;
    h.app.sound.tingzhi_shengyin("mp3play1");
    h.app.sound.shezhi_shengyin("播放");
    h.app.sound.shezhi_shengyin("系统");
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
}

TEST(PlaybackVolume, NothingCapturedRestores30600) {
    AppHarness h;
    h.app.sound.shezhi_shengyin("系统");
    EXPECT_EQ(h.volume.word, 0x77887788u);
}

TEST(PlaybackVolume, UnreadableSystemVolumeKeepsTheEarlierCapture) {
    AppHarness h;
    h.volume.word = 0x4CCC4CCC;
    h.app.sound.huoqu_shengyin();
    h.volume.readable = false;
    h.app.sound.huoqu_shengyin();
    h.app.sound.shezhi_shengyin("系统");
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
}

TEST(PlaybackVolume, NoCaptureWhileTheOtherPlayerPlays) {
    AppHarness h;
    h.volume.word = 0x4CCC4CCC;
    h.app.sound.huoqu_shengyin();
    // A preview plays on Mp3Play2 at the playback volume ...
    h.player2.playerOpen("C:\\Tockly\\sy\\n1");
    h.app.sound.shezhi_shengyin("播放");
    h.player2.playerPlay();
    // ... when an announcement starts on Mp3Play1: the capture is skipped.
    h.app.bofang_shijian("现在时间");
    h.run(10);
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
}

TEST(PlaybackVolume, EndOfAPreviewRestoresTheVolumeAndClearsItsCustomTag) {
    AppHarness h;
    h.volume.word = 0x4CCC4CCC;
    h.app.sound.huoqu_shengyin();
    h.player2.playerOpen("D:\\own.mp3");
    h.app.sound.Mp3Play2.Tag = "自定义";
    h.app.sound.shezhi_shengyin("播放");
    h.player2.playerPlay();
    h.run(2);
    EXPECT_EQ(h.app.sound.Mp3Play2.Tag, "");
    EXPECT_EQ(h.volume.word, 0x4CCC4CCCu);
}

TEST(PlaybackVolume, StopWaitsForTheEndReportAtMostOneSecond) {
    AppHarness h;
    h.player1.playerOpen("x");
    h.player1.playerPlay();
    h.app.sound.tingzhi_shengyin("Mp3Play1");
    EXPECT_EQ(h.pump.rounds(), 1);
    EXPECT_EQ(h.app.sound.Mp3Play1.state, "");

    // A player that never reports the end keeps the wait to a second.
    h.app.sound.Mp3Play2.playbackStarted();
    const float before = h.clock.seconds_since_midnight();
    h.app.sound.tingzhi_shengyin("Mp3Play2");
    EXPECT_NEAR(h.clock.seconds_since_midnight() - before, 1.0, 0.02);
}

}  // namespace
}  // namespace tockly::testing
