#include "tests/wine/ui_probe/actions.h"

#include <commctrl.h>

#include <string_view>
#include <vector>

#include "tests/wine/ui_probe/remote_memory.h"
#include "tests/wine/ui_probe/window_finder.h"

namespace ui_probe {

namespace {

constexpr UINT kTrayMessage = 2025;
constexpr UINT kMenuGetHmenu = 0x01E1;  // MN_GETHMENU

bool is_class(HWND window, const wchar_t* name) {
    return ::lstrcmpiW(class_name(window).c_str(), name) == 0;
}

void notify_parent(HWND control, WORD code) {
    ::PostMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), code),
                   reinterpret_cast<LPARAM>(control));
}

int index_of(const std::vector<std::wstring>& items, const std::wstring& item) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == item) return static_cast<int>(i);
    return -1;
}

std::wstring select_tab(HWND tab, int index) {
    // A click on the tab itself: the control then selects it and notifies its parent.
    RemoteMemory remote(tab, sizeof(RECT));
    RECT place{};
    DWORD_PTR ok = 0;
    if (!remote ||
        !::SendMessageTimeoutW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(remote.address()), SMTO_ABORTIFHUNG, 5000,
                               &ok) ||
        !ok || !remote.read(&place, sizeof place))
        return L"the tab's place cannot be read";
    const LPARAM at = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    ::PostMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(tab, WM_LBUTTONUP, 0, at);
    for (int waited = 0; waited < 3000; waited += 20) {
        if (::SendMessageW(tab, TCM_GETCURSEL, 0, 0) == index) return {};
        ::Sleep(20);
    }
    return L"the tab did not take the click";
}

void key_event(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

WORD virtual_key(const std::wstring& name) {
    static const struct {
        const wchar_t* name;
        WORD key;
    } kNames[] = {{L"enter", VK_RETURN}, {L"escape", VK_ESCAPE},  {L"tab", VK_TAB},
                  {L"space", VK_SPACE},  {L"up", VK_UP},          {L"down", VK_DOWN},
                  {L"left", VK_LEFT},    {L"right", VK_RIGHT},    {L"home", VK_HOME},
                  {L"end", VK_END},      {L"backspace", VK_BACK}, {L"delete", VK_DELETE}};
    for (const auto& entry : kNames)
        if (name == entry.name) return entry.key;
    if (name.size() >= 2 && name[0] == L'f') {
        const int number = std::stoi(name.substr(1));
        if (number >= 1 && number <= 12) return static_cast<WORD>(VK_F1 + number - 1);
    }
    if (name.size() == 1) {
        const SHORT scan = ::VkKeyScanW(name[0]);
        if (scan != -1) return LOBYTE(scan);
    }
    return 0;
}

// A real left click in the middle of `place`, on the screen.
std::wstring click_middle(const RECT& place) {
    ::SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    if (::SendInput(2, input, sizeof input[0]) != 2) return L"the mouse input was refused";
    ::Sleep(100);
    return {};
}

}  // namespace

std::wstring click(HWND control) {
    if (!is_class(control, L"Button")) {
        RECT place{};
        ::GetClientRect(control, &place);
        return click_at(control, place.right / 2, place.bottom / 2);
    }
    ::PostMessageW(control, BM_CLICK, 0, 0);
    ::Sleep(100);
    return {};
}

std::wstring click_at(HWND control, int x, int y) {
    ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    ::Sleep(100);
    return {};
}

std::wstring mouse_click(HWND control) {
    RECT place{};
    ::GetWindowRect(control, &place);
    return click_middle(place);
}

std::wstring mouse_pick(HWND combo_box, const std::wstring& item) {
    const int index = index_of(item_texts(combo_box), item);
    if (index < 0) return L"no entry \"" + item + L"\"";
    if (std::wstring failed = mouse_click(combo_box); !failed.empty()) return failed;
    // Every drop-down list has its list window; only the open one is visible.
    HWND list = nullptr;
    for (int waited = 0; !list && waited < 3000; waited += 20) {
        do list = ::FindWindowExW(nullptr, list, L"ComboLBox", nullptr);
        while (list && !::IsWindowVisible(list));
        if (!list) ::Sleep(20);
    }
    if (!list) return L"the list did not open";
    // A list box message below WM_USER: the system carries the rectangle across processes.
    RECT place{};
    DWORD_PTR found = 0;
    if (!::SendMessageTimeoutW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(&place), SMTO_ABORTIFHUNG, 5000, &found) ||
        found == static_cast<DWORD_PTR>(LB_ERR))
        return L"the entry's place in the open list cannot be read";
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return click_middle(place);
}

std::wstring set_check(HWND check_box, bool checked) {
    const bool now = ::SendMessageW(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now == checked) return {};
    click(check_box);
    for (int waited = 0; waited < 3000; waited += 20) {
        if ((::SendMessageW(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked) return {};
        ::Sleep(20);
    }
    return L"the check box did not change";
}

std::wstring select_item(HWND control, const std::wstring& item) {
    const int index = index_of(item_texts(control), item);
    if (index < 0) return L"no entry \"" + item + L"\"";
    if (is_class(control, WC_TABCONTROLW)) return select_tab(control, index);
    if (is_class(control, L"ComboBox")) {
        ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify_parent(control, CBN_SELCHANGE);
        notify_parent(control, CBN_SELENDOK);
    } else if (is_class(control, L"ListBox")) {
        ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify_parent(control, LBN_SELCHANGE);
    } else {
        return L"not a list";
    }
    ::Sleep(100);
    return {};
}

std::wstring type_text(HWND control, const std::wstring& text) {
    HWND edit = control;
    if (is_class(control, L"ComboBox")) edit = ::FindWindowExW(control, nullptr, L"Edit", nullptr);
    if (!edit || !is_class(edit, L"Edit")) return L"not an edit box";
    // Sent, not posted, so that each character is in before the next and before we return;
    // the edit tells its parent of every change as it would for a user.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 5000, &result);
    ::SendMessageTimeoutW(edit, WM_CHAR, VK_BACK, 0, SMTO_ABORTIFHUNG, 5000, &result);
    for (wchar_t c : text)
        ::SendMessageTimeoutW(edit, WM_CHAR, c, 1, SMTO_ABORTIFHUNG, 5000, &result);
    return window_text(edit) == text ? std::wstring() : L"the text did not arrive";
}

std::wstring press_key(const std::wstring& chord) {
    // "ctrl+shift+home": the modifiers go down in order, the key is pressed, they come up.
    static const struct {
        std::wstring_view prefix;
        WORD key;
    } kModifiers[] = {{L"ctrl+", VK_CONTROL}, {L"shift+", VK_SHIFT}, {L"alt+", VK_MENU}};
    std::vector<WORD> held;
    std::wstring name = chord;
    for (bool found = true; found;) {
        found = false;
        for (const auto& modifier : kModifiers) {
            if (name.size() > modifier.prefix.size() && name.starts_with(modifier.prefix)) {
                held.push_back(modifier.key);
                name.erase(0, modifier.prefix.size());
                found = true;
            }
        }
    }
    const WORD key = virtual_key(name);
    if (!key) return L"unknown key \"" + chord + L"\"";
    for (WORD modifier : held) key_event(modifier, false);
    key_event(key, false);
    key_event(key, true);
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        key_event(*modifier, true);
    ::Sleep(50);
    return {};
}

HWND open_menu() {
    const HWND menu = find_top_level(parse_selector(L"class:#32768"));
    return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

std::wstring open_tray_menu(HWND owner) {
    ::PostMessageW(owner, kTrayMessage, 0, WM_RBUTTONUP);
    for (int waited = 0; waited < 15000; waited += 50) {
        if (open_menu()) return {};
        ::Sleep(50);
    }
    return L"no menu opened";
}

std::wstring pick_menu_item(const std::wstring& item) {
    const HWND menu_window = open_menu();
    if (!menu_window) return L"no menu is open";
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menu_window, kMenuGetHmenu, 0, 0));
    const int count = menu ? ::GetMenuItemCount(menu) : -1;
    if (count < 0) return L"the menu's items cannot be read from this process";
    // The arrow keys walk the items that are not separators; the first press selects the first.
    int steps = 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) continue;
        ++steps;
        wchar_t caption[256] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), caption, 256, MF_BYPOSITION);
        if (item != caption) continue;
        for (int step = 0; step < steps; ++step) press_key(L"down");
        return press_key(L"enter");
    }
    return L"no menu item \"" + item + L"\"";
}

}  // namespace ui_probe
