// The services that need a display, on the virtual one: the file dialog and the message box,
// each answered by a key posted to it as a user's key would reach it, and the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/win32/wide_text.h"
#include "tockly/platform/win32/file_dialog_win32.h"
#include "tockly/platform/win32/file_system_win32.h"
#include "tockly/platform/win32/keyboard_win32.h"
#include "tockly/platform/win32/message_box_win32.h"
#include "tockly/platform/win32/screen_win32.h"

namespace tockly::platform {
namespace {

// What the user does once the dialog is up: type a text into the focused box (or nothing),
// then press a key.
struct Answer {
    std::wstring text;
    UINT message = WM_KEYDOWN;
    WPARAM key = VK_RETURN;
};
Answer g_answer;
bool g_answered = false;

BOOL CALLBACK find_dialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the dialog's own message loop.
void CALLBACK answer_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, reinterpret_cast<LPARAM>(&dialog));
    const HWND focus = GetFocus();
    if (!dialog || !focus || !IsChild(dialog, focus)) return;  // not up yet
    KillTimer(nullptr, timer);
    if (!g_answer.text.empty()) SetWindowTextW(focus, g_answer.text.c_str());
    PostMessageW(focus, g_answer.message, g_answer.key, 0);
    g_answered = true;
}

void answer_with(Answer answer) {
    g_answer = std::move(answer);
    g_answered = false;
    SetTimer(nullptr, 0, 200, answer_dialog);
}

const std::vector<FileFilter> kSoundFilters = {{"声音文件", " *.wav;*.mp3;*.mid"},
                                               {"所有文件(*.*)", "*.*"}};

TEST(Dialogs, FileDialogCancelledChoosesNothing) {
    answer_with({L"", WM_KEYDOWN, VK_ESCAPE});
    EXPECT_EQ(Win32FileDialog().choose_file_to_open(kSoundFilters), std::nullopt);
    EXPECT_TRUE(g_answered);
}

TEST(Dialogs, FileDialogGivesTheChosenPath) {
    Win32FileSystem files;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string chosen = common::win32::utf8_from_utf16(temp) + "我的 铃声.mp3";
    ASSERT_TRUE(files.write_file(chosen, "ID3"));
    answer_with({common::win32::utf16_from_utf8(chosen), WM_KEYDOWN, VK_RETURN});
    EXPECT_EQ(Win32FileDialog().choose_file_to_open(kSoundFilters), chosen);
    EXPECT_TRUE(g_answered);
}

TEST(Dialogs, MessageBoxGivesTheAnswer) {
    const struct {
        int buttons;
        Answer answer;
        int expected;
    } cases[] = {
        {message_box::kOkOnly, {L"", WM_KEYDOWN, VK_RETURN}, message_box::kAnswerOk},
        {message_box::kYesNo, {L"", WM_KEYDOWN, VK_RETURN}, message_box::kAnswerYes},
        {message_box::kYesNo, {L"", WM_CHAR, L'n'}, message_box::kAnswerNo},
    };
    for (const auto& c : cases) {
        answer_with(c.answer);
        EXPECT_EQ(Win32MessageBox().show("确实与 internet 进行对时吗？", c.buttons, "Tockly 8.09"),
                  c.expected);
        EXPECT_TRUE(g_answered);
    }
}

TEST(Keyboard, KeyIsDownWhileHeld) {
    Win32Keyboard keyboard;
    auto press = [](WORD key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof input);
    };
    EXPECT_FALSE(keyboard.key_is_down(VK_F5));
    press(VK_F5, 0);
    EXPECT_TRUE(keyboard.key_is_down(VK_F5));
    EXPECT_FALSE(keyboard.key_is_down(VK_F6));
    press(VK_F5, KEYEVENTF_KEYUP);
    EXPECT_FALSE(keyboard.key_is_down(VK_F5));
}

// The virtual display is 640 x 480 at 96 dots per inch, with nothing docked.
TEST(Screen, SizeAndWorkAreaInTwips) {
    Win32Screen screen;
    EXPECT_EQ(screen.twips_per_pixel_x(), 15);
    EXPECT_EQ(screen.twips_per_pixel_y(), 15);
    EXPECT_EQ(screen.width_twips(), 640 * 15);
    EXPECT_EQ(screen.height_twips(), 480 * 15);
    const TwipsRect area = screen.work_area_twips();
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, 640 * 15);
    EXPECT_EQ(area.bottom, 480 * 15);
}

}  // namespace
}  // namespace tockly::platform
