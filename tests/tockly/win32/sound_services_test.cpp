#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/win32/wide_text.h"
#include "tockly/platform/win32/file_system_win32.h"
#include "tockly/platform/win32/player_win32.h"
#include "tockly/platform/win32/wave_volume_win32.h"

// These need a sound device: they run in the session with the PulseAudio null sink.
namespace tockly::platform {
namespace {

TEST(Win32WaveVolume, SetVolumeReadsBack) {
    Win32WaveVolume volume;
    const auto system = volume.get_volume();
    ASSERT_TRUE(system.has_value()) << "the volume could not be read";
    for (const std::uint32_t word : {0x4CCC4CCCu, 0xFFFFFFFFu, 0x77887788u}) {
        volume.set_volume(word);
        EXPECT_EQ(volume.get_volume(), word);
    }
    volume.set_volume(*system);
}

class CountingEvents : public PlayerEvents {
  public:
    void playbackStarted() override { ++started; }
    void playbackEnded() override { ++ended; }
    int started = 0;
    int ended = 0;
};

void run_messages_for(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(5);
    }
}

// A silent 16-bit mono WAV of `ms` milliseconds, saved without an extension like a voice clip.
std::string silent_clip(unsigned ms) {
    const std::uint32_t data = 8000 * 2 * ms / 1000;
    std::string wav = "RIFF";
    auto put32 = [&wav](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) wav += static_cast<char>(v >> (8 * i));
    };
    auto put16 = [&wav](std::uint16_t v) { wav += {char(v & 0xFF), char(v >> 8)}; };
    put32(36 + data);
    wav += "WAVEfmt ";
    put32(16);
    put16(1);     // PCM
    put16(1);     // mono
    put32(8000);  // samples per second
    put32(16000);
    put16(2);
    put16(16);
    wav += "data";
    put32(data);
    wav.append(data, '\0');
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string path = common::win32::utf8_from_utf16(temp) + "s7";
    Win32FileSystem().write_file(path, wav);
    return path;
}

TEST(Win32Player, OpenFailsForWhatCannotPlay) {
    Win32FileSystem files;
    const std::string folder = files.program_folder();
    ASSERT_TRUE(files.write_file(folder + "\\不是声音.wav", "not a sound at all"));
    ASSERT_TRUE(files.write_file(folder + "\\f30", "not a sound either"));
    Win32Player player;
    for (const std::string name : {"\\没有这个文件.mp3", "\\不是声音.wav", "\\f30"}) {
        EXPECT_NE(player.playerOpen(folder + name), 0) << name;
    }
    player.playerPlay();  // nothing is loaded: nothing happens
}

TEST(Win32Player, EventsArriveThroughTheMessageLoopOncePerPlayback) {
    Win32Player player;
    CountingEvents events;
    player.set_events(&events);
    ASSERT_EQ(player.playerOpen(silent_clip(400)), 0);

    player.playerPlay();
    EXPECT_EQ(events.started, 0);
    run_messages_for(100);
    EXPECT_EQ(events.started, 1);
    player.playerStop();
    EXPECT_EQ(events.ended, 0);
    run_messages_for(1000);  // well past the clip's natural end
    EXPECT_EQ(events.ended, 1);

    player.playerPlay();
    run_messages_for(1500);
    EXPECT_EQ(events.started, 2);
    EXPECT_EQ(events.ended, 2);
}

}  // namespace
}  // namespace tockly::platform
