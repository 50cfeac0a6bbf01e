#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"
#include "tests/tockly/junk_bytes.h"
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

// Saves `content` under `name` in the temporary folder and gives its path.
std::string temp_file(const std::string& name, const std::string& content) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string path = common::win32::utf8_from_utf16(temp) + name;
    Win32FileSystem().write_file(path, content);
    return path;
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
    return temp_file("s7", wav);
}

// The longest a window of the calling thread took to answer a message sent from another
// thread while `work` ran on this thread: how long the user interface stood still.
ULONGLONG longest_answer_during(const std::function<void()>& work) {
    const common::win32::UniqueWindow window(
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    std::atomic<bool> stop = false;
    std::atomic<bool> stopped = false;
    ULONGLONG longest = 0;
    std::thread watcher([&] {
        while (!stop) {
            const ULONGLONG sent = GetTickCount64();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(window.get(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
            longest = std::max(longest, GetTickCount64() - sent);
            Sleep(20);
        }
        stopped = true;
    });
    run_messages_for(200);
    work();
    run_messages_for(200);
    stop = true;
    while (!stopped) run_messages_for(10);
    watcher.join();
    return longest;
}

// Silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz: 417 bytes each) filling about `size`
// bytes: a valid MP3 of any length.
std::string silent_mp3(std::size_t size) {
    std::string frame = "\xFF\xFB\x90\x64";
    frame.resize(417, '\0');
    std::string mp3;
    mp3.reserve(size + frame.size());
    while (mp3.size() < size) mp3 += frame;
    return mp3;
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

// Wine's decoder reads a whole file it does not recognise before failing (12 s for 100 MB of
// junk); a large real MP3 opens quickly, so it needs no refusal.
TEST(Win32Player, LargeFilesOpenOrAreRefusedWithoutFreezingTheWindow) {
    constexpr std::size_t kLarge = 100 * 1024 * 1024;
    const struct {
        const char* name;
        std::string (*content)(std::size_t);
        bool opens;
    } cases[] = {
        {"junk.mp3", junk_bytes, false},
        {"silence.mp3", silent_mp3, true},
    };
    for (const auto& c : cases) {
        const std::string path = temp_file(c.name, c.content(kLarge));
        int opened = 0;
        ULONGLONG longest = 0;
        {
            Win32Player player;
            longest = longest_answer_during([&] { opened = player.playerOpen(path); });
        }
        DeleteFileW(common::win32::utf16_from_utf8(path).c_str());
        EXPECT_EQ(opened == 0, c.opens) << c.name << ": " << opened;
        RecordProperty(std::string(c.name) + "_longest_answer_ms", static_cast<int>(longest));
        EXPECT_LT(longest, 1000u) << c.name << ": the window did not answer for " << longest
                                  << " ms";
    }
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
