// What a user does to a control, done from outside the program: each action either sends the
// control the message a click or a key press would, or makes real input at the control.
#pragma once

#include <windows.h>

#include <string>

namespace ui_probe {

// Each returns an empty text on success, else what went wrong.
// A button gets BM_CLICK, anything else a press and release at its centre; posted, so that a
// modal box the click opens may stay open.
std::wstring click(HWND control);
// A press and release at (x, y) of the control's client area, posted.
std::wstring click_at(HWND control, int x, int y);
std::wstring mouse_click(HWND control);  // real mouse input at the control's centre
std::wstring set_check(HWND check_box, bool checked);
// Chooses the entry of a combo box or list box, or the tab of a tab control, with the
// notifications that the control itself would send.
std::wstring select_item(HWND control, const std::wstring& item);
// Opens a drop-down list with the mouse and clicks its entry `item`.
std::wstring mouse_pick(HWND combo_box, const std::wstring& item);
// Replaces an edit's (or an editable combo box's) text character by character.
std::wstring type_text(HWND control, const std::wstring& text);
// Real key presses for the window in the foreground: "enter", "escape", "tab", "space",
// "up", "down", "left", "right", "home", "end", "backspace", "delete", "f1".."f12", or one
// character, each after any of "ctrl+", "shift+" and "alt+" ("shift+home").
std::wstring press_key(const std::wstring& name);
// Right-button release on the tray icon (message 2025 to its owner); waits for the menu.
std::wstring open_tray_menu(HWND owner);
// Picks the item of the open menu whose caption is `item`. Wine keeps a menu's items from
// other processes; there the caller walks the menu with press_key instead.
std::wstring pick_menu_item(const std::wstring& item);

}  // namespace ui_probe
