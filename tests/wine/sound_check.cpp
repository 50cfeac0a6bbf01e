// Plays files through the real player service and prints each event with its time, for the
// sound check that records what came out:
//   sound_check play FILE [FILE2]        FILE on instance 1 and FILE2 on instance 2, together
//   sound_check stop-after MS FILE       stops instance 1 after MS milliseconds
// Lines: "open N RESULT", "start N MS", "end N MS", times counted from the first play. Exits
// once every started file has ended, or after 30 seconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "common/win32/wide_text.h"
#include "tockly/platform/win32/player_win32.h"

namespace {

ULONGLONG g_start = 0;
int g_playing = 0;

long elapsed() {
    return static_cast<long>(GetTickCount64() - g_start);
}

class PrintingEvents : public tockly::platform::PlayerEvents {
  public:
    explicit PrintingEvents(int number) : number_(number) {}
    void playbackStarted() override { std::printf("start %d %ld\n", number_, elapsed()); }
    void playbackEnded() override {
        std::printf("end %d %ld\n", number_, elapsed());
        --g_playing;
    }

  private:
    int number_;
};

void run_messages_until(ULONGLONG deadline, bool (*done)()) {
    while (GetTickCount64() < deadline && !done()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const std::wstring mode = argv[1];
    const bool stop_after = mode == L"stop-after";
    if (stop_after && argc != 4) return 2;
    const long stop_ms = stop_after ? std::wcstol(argv[2], nullptr, 10) : 0;
    const int first_file = stop_after ? 3 : 2;

    tockly::platform::Win32Player players[2];
    PrintingEvents events[2] = {PrintingEvents(1), PrintingEvents(2)};
    int count = 0;
    for (int i = first_file; i < argc && count < 2; ++i, ++count) {
        players[count].set_events(&events[count]);
        const int opened = players[count].playerOpen(common::win32::utf8_from_utf16(argv[i]));
        std::printf("open %d %d\n", count + 1, opened);
        if (opened != 0) return 1;
    }
    g_start = GetTickCount64();
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG unix_ms =
        ((ULONGLONG(now.dwHighDateTime) << 32 | now.dwLowDateTime) - 116444736000000000ULL) / 10000;
    std::printf("epoch %llu\n", unix_ms);
    for (int i = 0; i < count; ++i) {
        players[i].playerPlay();
        ++g_playing;
    }
    if (stop_after) {
        run_messages_until(g_start + stop_ms, [] { return false; });
        players[0].playerStop();
        std::printf("stop 1 %ld\n", elapsed());
    }
    run_messages_until(g_start + 30000, [] { return g_playing <= 0; });
    // The device may still hold sound in its buffers; leaving at once would cut it off.
    run_messages_until(GetTickCount64() + 1500, [] { return false; });
    std::fflush(stdout);
    return g_playing <= 0 ? 0 : 3;
}
