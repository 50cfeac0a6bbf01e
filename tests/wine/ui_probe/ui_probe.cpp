// Drives a running Windows program from outside, as a UI-automation tool does, for the black-box
// checks of Tockly.exe. Commands follow each other on the command line; each prints one line
// (UTF-8) and the first that fails ends the run with status 1 (2 for a bad command line).
//   window SEL | wait-window SEL MS | within SEL | wait-no-window SEL MS | activate | close |
//   windows text SEL | state SEL | items SEL | wait-text SEL TEXT MS | list click SEL | click-at
//   SEL X Y | mouse-click SEL | check SEL 0|1 | select SEL ITEM | type SEL TEXT key NAME | command
//   ID | tray-menu ITEM | sleep MS | place SEL (its screen rectangle: left top width height) |
//   on-top (no other window covers it) | mouse-pick SEL ITEM (opens a drop-down
//   list and clicks the entry) | row-place SEL N (the same as place of a list view's row N,
//   from 0) | hold PATH MS (keeps a file open without sharing) |
//   send MESSAGE WPARAM (a message as the system sends it, numbers in C notation)
// SEL is a selector (window_finder.h); window commands pick the top-level window that the
// control commands search, `within SEL` narrows the search to one control's descendants.
#include <windows.h>
// GetProcessMemoryInfo comes after windows.h.
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/console_output.h"
#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"
#include "tests/wine/ui_probe/actions.h"
#include "tests/wine/ui_probe/window_finder.h"

namespace ui_probe {
namespace {

using Arguments = std::vector<std::wstring>;

struct Outcome {
    bool ok;
    std::wstring line;
};

Outcome ok(std::wstring line) {
    return {true, std::move(line)};
}
Outcome fail(std::wstring why) {
    return {false, std::move(why)};
}
Outcome done(const std::wstring& error, std::wstring line) {
    return error.empty() ? ok(std::move(line)) : fail(error);
}

std::wstring quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

int milliseconds(const std::wstring& text) {
    return std::stoi(text);
}

// What the process that owns `window` reports of its memory, in bytes.
Outcome memory_of(HWND window) {
    DWORD process_id = 0;
    ::GetWindowThreadProcessId(window, &process_id);
    const common::win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id));
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!process ||
        !::GetProcessMemoryInfo(
            process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return fail(L"the process's memory cannot be read");
    // Windows gives the same number twice; Wine fills only the second for another process.
    const SIZE_T private_bytes =
        counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return ok(L"memory private=" + std::to_wstring(private_bytes) + L" working-set=" +
              std::to_wstring(counters.WorkingSetSize));
}

class Probe {
  public:
    Outcome run(const std::wstring& command, const Arguments& a);
    static int arity(const std::wstring& command);

  private:
    // Waits up to `ms` for `found` to give a window.
    static HWND wait_for(const std::function<HWND()>& found, int ms) {
        for (int waited = 0;; waited += 50) {
            if (const HWND window = found()) return window;
            if (waited >= ms) return nullptr;
            ::Sleep(50);
        }
    }
    Outcome with_control(const std::wstring& selector, const std::function<Outcome(HWND)>& use) {
        if (!window_) return fail(L"no window chosen");
        const HWND control = find_control(scope_, parse_selector(selector));
        if (!control) return fail(L"no control " + quoted(selector));
        return use(control);
    }

    HWND window_ = nullptr;
    HWND scope_ = nullptr;
};

int Probe::arity(const std::wstring& command) {
    static const std::map<std::wstring, int> kArity = {
        {L"window", 1},      {L"wait-window", 2}, {L"wait-no-window", 2}, {L"activate", 0},
        {L"close", 0},       {L"windows", 0},     {L"text", 1},           {L"state", 1},
        {L"items", 1},       {L"wait-text", 3},   {L"list", 0},           {L"click", 1},
        {L"mouse-click", 1}, {L"click-at", 3},    {L"check", 2},          {L"select", 2},
        {L"type", 2},        {L"key", 1},         {L"command", 1},        {L"tray-open", 0},
        {L"menu-pick", 1},   {L"sleep", 1},       {L"memory", 0},         {L"within", 1},
        {L"place", 1},       {L"on-top", 0},      {L"mouse-pick", 2},     {L"row-place", 2},
        {L"hold", 2},        {L"send", 2}};
    const auto found = kArity.find(command);
    return found == kArity.end() ? -1 : found->second;
}

Outcome Probe::run(const std::wstring& command, const Arguments& a) {
    if (command == L"window" || command == L"wait-window") {
        const Selector selector = parse_selector(a[0]);
        // Waiting is for a window to appear; a hidden one may still be chosen to be driven.
        const bool shown = command == L"wait-window";
        window_ = wait_for(
            [&]() -> HWND {
                const HWND window = find_top_level(selector);
                return window && (!shown || ::IsWindowVisible(window)) ? window : nullptr;
            },
            shown ? milliseconds(a[1]) : 0);
        scope_ = window_;
        if (!window_) return fail(L"no window " + quoted(a[0]));
        return ok(L"window " + quoted(window_text(window_)));
    }
    if (command == L"wait-no-window") {
        const Selector selector = parse_selector(a[0]);
        const HWND none = wait_for(
            [&] {
                const HWND window = find_top_level(selector);
                return window && ::IsWindowVisible(window) ? nullptr : ::GetDesktopWindow();
            },
            milliseconds(a[1]));
        return none ? ok(L"gone " + quoted(a[0])) : fail(L"still there: " + quoted(a[0]));
    }
    if (command == L"windows") {
        std::wstring line = L"windows";
        ::EnumWindows(
            [](HWND window, LPARAM text) -> BOOL {
                if (::IsWindowVisible(window))
                    *reinterpret_cast<std::wstring*>(text) +=
                        L" " + class_name(window) + L":" + quoted(window_text(window));
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&line));
        return ok(line);
    }
    if (command == L"list") {
        if (!window_) return fail(L"no window chosen");
        std::wstring line = L"list";
        for (HWND control : descendants(scope_))
            if (::IsWindowVisible(control))
                line += L" " + class_name(control) + L":" + quoted(window_text(control));
        return ok(line);
    }
    if (command == L"sleep") {
        ::Sleep(static_cast<DWORD>(milliseconds(a[0])));
        return ok(L"slept");
    }
    if (command == L"hold") {
        // Opened without sharing, as a program that works on a file keeps it.
        const HANDLE opened = ::CreateFileW(a[0].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) return fail(L"cannot open " + quoted(a[0]));
        const common::win32::UniqueKernelHandle file(opened);
        ::Sleep(static_cast<DWORD>(milliseconds(a[1])));
        return ok(L"held " + quoted(a[0]));
    }
    if (command == L"key") return done(press_key(a[0]), L"pressed " + a[0]);
    if (command == L"menu-pick") return done(pick_menu_item(a[0]), L"picked " + quoted(a[0]));
    if (!window_) return fail(L"no window chosen");
    if (command == L"activate") {
        ::SetForegroundWindow(window_);
        return ok(L"activated");
    }
    if (command == L"memory") return memory_of(window_);
    if (command == L"on-top") {
        // What the user sees at nine points spread over the window: the window itself, or
        // another one over it.
        RECT place{};
        ::GetWindowRect(window_, &place);
        for (int row = 1; row <= 5; row += 2) {
            for (int column = 1; column <= 5; column += 2) {
                const POINT at{place.left + (place.right - place.left) * column / 6,
                               place.top + (place.bottom - place.top) * row / 6};
                const HWND seen = ::GetAncestor(::WindowFromPoint(at), GA_ROOT);
                if (seen == window_) continue;
                return fail(L"under " + (seen ? class_name(seen) + L":" + quoted(window_text(seen))
                                              : std::wstring(L"nothing")));
            }
        }
        return ok(L"on top");
    }
    if (command == L"within") {
        const HWND control = find_control(window_, parse_selector(a[0]));
        if (!control) return fail(L"no control " + quoted(a[0]));
        scope_ = control;
        return ok(L"within " + quoted(a[0]));
    }
    if (command == L"close") {
        ::PostMessageW(window_, WM_CLOSE, 0, 0);
        return ok(L"closed");
    }
    if (command == L"command") {
        ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(std::stoi(a[0]), 0), 0);
        return ok(L"command " + a[0]);
    }
    if (command == L"send") {
        // As the system sends its broadcasts: the answer comes once the window handled it.
        DWORD_PTR answer = 0;
        const bool handled =
            ::SendMessageTimeoutW(window_, static_cast<UINT>(std::stoul(a[0], nullptr, 0)),
                                  std::stoul(a[1], nullptr, 0), 0, SMTO_ABORTIFHUNG, 5000,
                                  &answer) != 0;
        return handled ? ok(L"sent " + a[0] + L" " + a[1]) : fail(L"no answer to " + a[0]);
    }
    if (command == L"tray-open") return done(open_tray_menu(window_), L"menu open");
    if (command == L"wait-text") {
        const Selector selector = parse_selector(a[0]);
        HWND last = nullptr;
        const HWND found = wait_for(
            [&]() -> HWND {
                last = find_control(scope_, selector);
                return last && shown_text(last).find(a[1]) != std::wstring::npos ? last : nullptr;
            },
            milliseconds(a[2]));
        if (found) return ok(L"text " + quoted(shown_text(found)));
        return fail(L"no text " + quoted(a[1]) + L" in " + quoted(a[0]) +
                    (last ? L", it shows " + quoted(shown_text(last)) : L""));
    }
    return with_control(a[0], [&](HWND control) -> Outcome {
        if (command == L"text") return ok(L"text " + quoted(shown_text(control)));
        if (command == L"state") return ok(L"state " + state_text(control));
        if (command == L"place") {
            RECT place{};
            ::GetWindowRect(control, &place);
            return ok(L"place " + std::to_wstring(place.left) + L" " + std::to_wstring(place.top) +
                      L" " + std::to_wstring(place.right - place.left) + L" " +
                      std::to_wstring(place.bottom - place.top));
        }
        if (command == L"row-place") {
            RECT place{};
            if (!row_place(control, std::stoi(a[1]), place)) return fail(L"no row " + a[1]);
            return ok(L"place " + std::to_wstring(place.left) + L" " + std::to_wstring(place.top) +
                      L" " + std::to_wstring(place.right - place.left) + L" " +
                      std::to_wstring(place.bottom - place.top));
        }
        if (command == L"items") {
            std::wstring line = L"items";
            for (const std::wstring& item : item_texts(control)) line += L" " + quoted(item);
            return ok(line);
        }
        if (command == L"click") return done(click(control), L"clicked " + quoted(a[0]));
        if (command == L"click-at")
            return done(click_at(control, std::stoi(a[1]), std::stoi(a[2])),
                        L"clicked " + quoted(a[0]) + L" at " + a[1] + L"," + a[2]);
        if (command == L"mouse-click")
            return done(mouse_click(control), L"clicked " + quoted(a[0]));
        if (command == L"check")
            return done(set_check(control, a[1] == L"1"), L"checked " + quoted(a[0]) + L" " + a[1]);
        if (command == L"select")
            return done(select_item(control, a[1]), L"selected " + quoted(a[1]));
        if (command == L"mouse-pick")
            return done(mouse_pick(control, a[1]), L"picked " + quoted(a[1]));
        return done(type_text(control, a[1]), L"typed " + quoted(a[1]));
    });
}

}  // namespace
}  // namespace ui_probe

int main(int argc, char** argv) {
    common::prepare_console_output();
    std::vector<std::wstring> words;
    for (const std::string& argument : common::utf8_arguments(argc, argv))
        words.push_back(common::win32::utf16_from_utf8(argument));
    ui_probe::Probe probe;
    for (size_t at = 0; at < words.size();) {
        const std::wstring& command = words[at];
        const int arity = ui_probe::Probe::arity(command);
        if (arity < 0 || at + 1 + static_cast<size_t>(arity) > words.size()) {
            std::fprintf(stderr, "ui_probe: bad command %s\n",
                         common::win32::utf8_from_utf16(command).c_str());
            return 2;
        }
        const ui_probe::Arguments arguments(words.begin() + static_cast<long>(at) + 1,
                                            words.begin() + static_cast<long>(at) + 1 + arity);
        at += 1 + static_cast<size_t>(arity);
        ui_probe::Outcome outcome{false, L""};
        try {
            outcome = probe.run(command, arguments);
        } catch (const std::exception&) {  // a number that is not one
            outcome = {false, L"bad argument"};
        }
        std::printf("%s%s\n", outcome.ok ? "" : "FAIL ",
                    common::win32::utf8_from_utf16(outcome.ok ? outcome.line
                                                              : command + L": " + outcome.line)
                        .c_str());
        std::fflush(stdout);
        if (!outcome.ok) return 1;
    }
    return 0;
}
