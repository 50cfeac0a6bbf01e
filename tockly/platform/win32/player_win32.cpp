#include "tockly/platform/win32/player_win32.h"

#include <cstdint>
#include <cwchar>
#include <optional>
#include <string>

#include "common/win32/wide_text.h"
#include "tockly/platform/sound_format.h"

namespace tockly::platform {

namespace {

constexpr wchar_t kWindowClass[] = L"TocklyPlayerWindow";
constexpr UINT kStartedMessage = WM_APP + 1;
constexpr UINT kEndedMessage = WM_APP + 2;
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr UINT kWatchdogPeriodMs = 250;
// A device that stopped without notifying is believed only after this long, so that a device
// still starting up is not taken for one that has finished.
constexpr ULONGLONG kSilentStopMs = 1000;

// What the file holds, or nothing when it cannot be read.
std::optional<SoundFormat> sound_format_of_file(const std::wstring& path) {
    const common::win32::UniqueKernelHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return std::nullopt;
    return sound_format_of([&file](std::uint64_t offset, std::size_t count) {
        std::string bytes(count, '\0');
        LARGE_INTEGER position;
        position.QuadPart = static_cast<LONGLONG>(offset);
        DWORD read = 0;
        if (!SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN) ||
            !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(count), &read, nullptr)) {
            return std::string();
        }
        bytes.resize(read);
        return bytes;
    });
}

const wchar_t* mci_device_type_for(SoundFormat format) {
    switch (format) {
        case SoundFormat::wave:
            return L"waveaudio";
        case SoundFormat::mpeg_audio:
            return L"mpegvideo";
        case SoundFormat::midi:
            return L"sequencer";
        case SoundFormat::unknown:
            break;
    }
    return nullptr;
}

// MCI opens a file even with no device to play it on (then fails at play, or plays nothing
// and never reports the end); a file counts as ready only with an output for its kind.
MCIERROR missing_output_for(const wchar_t* type) {
    if (std::wcscmp(type, L"sequencer") == 0) {
        return midiOutGetNumDevs() > 0 ? 0 : MCIERR_SEQ_NOMIDIPRESENT;
    }
    return waveOutGetNumDevs() > 0 ? 0 : MCIERR_WAVE_OUTPUTSUNSUITABLE;
}

HWND create_message_window(Win32Player* owner, WNDPROC procedure) {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kWindowClass;
    RegisterClassExW(&window_class);  // fails harmlessly for the second instance
    return CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleW(nullptr), owner);
}

}  // namespace

Win32Player::Win32Player() : window_(create_message_window(this, &window_procedure)) {}

Win32Player::~Win32Player() {
    playing_ = false;
    close_device();
}

LRESULT CALLBACK Win32Player::window_procedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* player = reinterpret_cast<Win32Player*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!player) return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
        case MM_MCINOTIFY:
            // The device in lParam is not to be trusted (mpegvideo sends 0); the window alone
            // says which instance this is.
            player->on_mci_notify();
            return 0;
        case WM_TIMER:
            if (wparam == kWatchdogTimer) player->on_watchdog();
            return 0;
        case kStartedMessage:
            if (player->events()) player->events()->playbackStarted();
            return 0;
        case kEndedMessage:
            if (player->events()) player->events()->playbackEnded();
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

int Win32Player::playerOpen(const std::string& path) {
    end_playback_by_request();
    close_device();
    const std::wstring file = common::win32::utf16_from_utf8(path);
    const std::optional<SoundFormat> content = sound_format_of_file(file);
    if (!content) return MCIERR_FILE_NOT_FOUND;
    // Content that is no sound is refused here: MCI would read a large file to its end before
    // failing or, worse, "open" it, and the user interface would stand still all that time.
    const wchar_t* type = mci_device_type_for(*content);
    if (!type) return MCIERR_INVALID_FILE;
    if (const MCIERROR missing = missing_output_for(type)) return static_cast<int>(missing);
    MCI_OPEN_PARMSW open = {};
    open.lpstrElementName = file.c_str();
    open.lpstrDeviceType = type;
    if (const MCIERROR error =
            mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_OPEN_TYPE | MCI_WAIT,
                            reinterpret_cast<DWORD_PTR>(&open))) {
        return static_cast<int>(error);
    }
    device_.reset(open.wDeviceID);

    MCI_SET_PARMS format = {};
    format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    MCI_STATUS_PARMS length = {};
    length.dwItem = MCI_STATUS_LENGTH;
    MCI_GETDEVCAPS_PARMS can_play = {};
    can_play.dwItem = MCI_GETDEVCAPS_CAN_PLAY;
    MCIERROR error = mciSendCommandW(device_.get(), MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT,
                                     reinterpret_cast<DWORD_PTR>(&format));
    if (!error) {
        error = mciSendCommandW(device_.get(), MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                reinterpret_cast<DWORD_PTR>(&length));
    }
    if (!error) {
        error = mciSendCommandW(device_.get(), MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT,
                                reinterpret_cast<DWORD_PTR>(&can_play));
    }
    if (!error && !can_play.dwReturn) error = MCIERR_UNSUPPORTED_FUNCTION;
    if (error) {
        close_device();
        return static_cast<int>(error);
    }
    length_ms_ = static_cast<unsigned>(length.dwReturn);
    return 0;
}

void Win32Player::playerPlay() {
    if (!device_) return;
    // A file played again while it plays ends first, so that every start has its own end.
    end_playback_by_request();
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(window_.get());
    play.dwFrom = 0;
    if (mciSendCommandW(device_.get(), MCI_PLAY, MCI_NOTIFY | MCI_FROM,
                        reinterpret_cast<DWORD_PTR>(&play))) {
        return;
    }
    playing_ = true;
    started_at_ = GetTickCount64();
    SetTimer(window_.get(), kWatchdogTimer, kWatchdogPeriodMs, nullptr);
    PostMessageW(window_.get(), kStartedMessage, 0, 0);
}

void Win32Player::playerStop() {
    end_playback_by_request();
}

void Win32Player::on_mci_notify() {
    // Successful, aborted and failed plays all end the playback; notifications of a playback
    // already ended by a stop were removed from the queue when it ended.
    if (playing_) end_playback_here();
}

void Win32Player::on_watchdog() {
    if (!playing_) return;
    const ULONGLONG elapsed = GetTickCount64() - started_at_;
    const bool overdue = elapsed > static_cast<ULONGLONG>(length_ms_) + kOverdueMs;
    const bool stopped_silently = elapsed > kSilentStopMs && !device_says_playing();
    if (overdue || stopped_silently) end_playback_here();
}

void Win32Player::end_playback_by_request() {
    if (!playing_) return;
    halt_device();
    PostMessageW(window_.get(), kEndedMessage, 0, 0);
}

void Win32Player::end_playback_here() {
    halt_device();
    if (events()) events()->playbackEnded();
}

void Win32Player::halt_device() {
    playing_ = false;
    KillTimer(window_.get(), kWatchdogTimer);
    mciSendCommandW(device_.get(), MCI_STOP, MCI_WAIT, 0);
    // The stop makes MCI post an "aborted" for the play; this playback's end is reported by
    // the instance itself.
    discard_mci_notifications();
}

void Win32Player::close_device() {
    if (!device_) return;
    device_.reset();
    discard_mci_notifications();
}

void Win32Player::discard_mci_notifications() {
    // A notification about an ended playback must not end the next one.
    MSG stale;
    while (PeekMessageW(&stale, window_.get(), MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    }
}

bool Win32Player::device_says_playing() const {
    MCI_STATUS_PARMS mode = {};
    mode.dwItem = MCI_STATUS_MODE;
    if (mciSendCommandW(device_.get(), MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                        reinterpret_cast<DWORD_PTR>(&mode))) {
        return true;  // a device that does not answer is left to the length's deadline
    }
    return mode.dwReturn == MCI_MODE_PLAY || mode.dwReturn == MCI_MODE_SEEK;
}

}  // namespace tockly::platform
