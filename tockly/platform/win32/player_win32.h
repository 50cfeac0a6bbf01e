#pragma once

#include <windows.h>

#include <string>

#include "common/win32/unique_handle.h"
#include "tockly/platform/player.h"

namespace tockly::platform {

// One player instance on MCI. Each instance owns a hidden message window: MCI's notifications
// and the instance's own start and end reports arrive there, so every event reaches the host
// from the message loop of the thread that created the instance (the user-interface thread).
// A notification that never comes (a sound device that hangs) is replaced by an end once the
// file's length is well past.
class Win32Player : public Player {
  public:
    Win32Player();
    ~Win32Player() override;
    Win32Player(const Win32Player&) = delete;
    Win32Player& operator=(const Win32Player&) = delete;

    // 0 when the file opened on a device that can play it; otherwise the MCI error number.
    // Content that is not a sound never reaches MCI: it gets MCIERR_INVALID_FILE at once.
    int playerOpen(const std::string& path) override;
    void playerPlay() override;
    void playerStop() override;

    // How long past the file's length an end is awaited before the instance ends on its own.
    static constexpr unsigned kOverdueMs = 2000;

  private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    void on_mci_notify();
    void on_watchdog();
    // Ends a playing file now and reports the end through the message loop.
    void end_playback_by_request();
    // Ends a playing file from inside the message loop and reports the end at once.
    void end_playback_here();
    void halt_device();
    void close_device();
    void discard_mci_notifications();
    bool device_says_playing() const;

    common::win32::UniqueWindow window_;
    common::win32::UniqueMciDevice device_;
    unsigned length_ms_ = 0;
    bool playing_ = false;
    ULONGLONG started_at_ = 0;
};

}  // namespace tockly::platform
