// Finding a program's windows and controls the way a UI-automation tool does, and reading what
// they show. Selectors:
//   TEXT            the caption, exactly ("&" mnemonics may be left out)
//   TEXT*           the caption begins with TEXT
//   class:NAME      the window class (ComboBox, Button, #32770, ...)
//   label:TEXT[*]   the control after the label (or check box) TEXT, not itself a label: how
//                   a screen reader names a control
//   id:N            the control identifier
// A trailing "#N" takes the N-th match (from 1). Visible windows are preferred; hidden ones
// match only when no visible one does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui_probe {

struct Selector {
    enum class Kind { caption, window_class, label, id };
    Kind kind = Kind::caption;
    std::wstring text;
    bool prefix = false;  // a caption or label given with a trailing "*"
    int id = 0;
    int nth = 1;
};

Selector parse_selector(const std::wstring& text);

std::wstring window_text(HWND window);
std::wstring class_name(HWND window);

// Top-level windows of the desktop; null when none matches.
HWND find_top_level(const Selector& selector);
// Descendants of `parent`, in the order of their creation; null when none matches.
HWND find_control(HWND parent, const Selector& selector);
std::vector<HWND> descendants(HWND parent);

// The text a user sees: a combo box's or list's chosen entry, a tab control's chosen tab, an
// edit's contents, a caption otherwise.
std::wstring shown_text(HWND control);
// "checked=1 enabled=1 visible=1 selected=N", the parts that apply to the control.
std::wstring state_text(HWND control);

// Item texts of a combo box, list box, tab control or header, in order; a list view's rows as
// "1|cell|cell…" with 1 for a ticked box, 0 for an empty one.
std::vector<std::wstring> item_texts(HWND control);
// The screen rectangle of a list view's row; false when there is no such row.
bool row_place(HWND list, int row, RECT& place);

}  // namespace ui_probe
