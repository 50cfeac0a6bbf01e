#include "tests/wine/ui_probe/window_finder.h"

#include <commctrl.h>

#include <cwchar>
#include <utility>

#include "tests/wine/ui_probe/remote_memory.h"

namespace ui_probe {

namespace {

std::wstring without_mnemonics(const std::wstring& text) {
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

bool same_class(HWND window, const wchar_t* name) {
    return ::lstrcmpiW(class_name(window).c_str(), name) == 0;
}

bool caption_matches(const std::wstring& caption, const Selector& selector) {
    if (!selector.prefix)
        return caption == selector.text || without_mnemonics(caption) == selector.text;
    return caption.compare(0, selector.text.size(), selector.text) == 0 ||
           without_mnemonics(caption).compare(0, selector.text.size(), selector.text) == 0;
}

bool is_label(HWND window) {
    return same_class(window, L"Static");
}

// The candidates in order; visible ones first take the N-th place, hidden ones only if no
// visible one matched at all.
HWND pick(const std::vector<HWND>& windows, const Selector& selector) {
    std::vector<HWND> matches;
    for (size_t i = 0; i < windows.size(); ++i) {
        const HWND window = windows[i];
        bool match = false;
        switch (selector.kind) {
            case Selector::Kind::caption:
                match = caption_matches(window_text(window), selector);
                break;
            case Selector::Kind::window_class:
                match = same_class(window, selector.text.c_str());
                break;
            case Selector::Kind::id:
                match = ::GetDlgCtrlID(window) == selector.id;
                break;
            case Selector::Kind::label:
                if (caption_matches(window_text(window), selector)) {
                    for (size_t j = i + 1; j < windows.size(); ++j)
                        if (!is_label(windows[j]) &&
                            ::GetParent(windows[j]) == ::GetParent(window)) {
                            matches.push_back(windows[j]);
                            break;
                        }
                }
                break;
        }
        if (match) matches.push_back(window);
    }
    std::vector<HWND> visible;
    for (HWND window : matches)
        if (::IsWindowVisible(window)) visible.push_back(window);
    const std::vector<HWND>& chosen = visible.empty() ? matches : visible;
    if (selector.nth < 1 || static_cast<size_t>(selector.nth) > chosen.size()) return nullptr;
    return chosen[static_cast<size_t>(selector.nth - 1)];
}

LRESULT send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

// Sends `message` for item `index` with `item` (a TCITEMW, LVITEMW or HDITEMW asking for its
// text) placed in the window's own process, whose memory the answer is written to, and reads
// the text back. Fresh remote memory is zeroed, so a failed call reads as no text.
template <typename Item>
std::wstring remote_item_text(HWND window, UINT message, int index, Item item) {
    constexpr int kChars = 260;
    RemoteMemory remote(window, sizeof item + kChars * sizeof(wchar_t));
    if (!remote) return {};
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.address()) + sizeof item);
    item.cchTextMax = kChars;
    remote.write(&item, sizeof item);
    send(window, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.address()));
    wchar_t text[kChars] = {};
    remote.read(text, sizeof text - sizeof(wchar_t), sizeof item);
    return text;
}

std::wstring tab_text(HWND tab, int index) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    return remote_item_text(tab, TCM_GETITEMW, index, item);
}

// One cell of a list view row (column 0 is the row's own text).
std::wstring list_view_cell(HWND list, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    return remote_item_text(list, LVM_GETITEMTEXTW, row, item);
}

// "1|定时 1|07:30|…": the row's box (1 ticked, 0 not), then its cells.
std::wstring list_view_row(HWND list, int row) {
    const LRESULT state =
        send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    std::wstring text = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? L"1" : L"0";
    const HWND header = reinterpret_cast<HWND>(send(list, LVM_GETHEADER));
    const int columns = static_cast<int>(send(header, HDM_GETITEMCOUNT));
    for (int c = 0; c < columns; ++c) text += L"|" + list_view_cell(list, row, c);
    return text;
}

std::wstring header_text(HWND header, int index) {
    HDITEMW item{};
    item.mask = HDI_TEXT;
    return remote_item_text(header, HDM_GETITEMW, index, item);
}

std::wstring list_text(HWND control, int index, bool combo) {
    const LRESULT length =
        send(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    send(control, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
         reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

int selected_index(HWND control) {
    if (same_class(control, L"ComboBox")) return static_cast<int>(send(control, CB_GETCURSEL));
    if (same_class(control, L"ListBox")) return static_cast<int>(send(control, LB_GETCURSEL));
    if (same_class(control, WC_TABCONTROLW)) return static_cast<int>(send(control, TCM_GETCURSEL));
    return -2;  // not a control with items
}

}  // namespace

Selector parse_selector(const std::wstring& text) {
    Selector selector;
    std::wstring body = text;
    for (const auto& [prefix, kind] :
         {std::pair{L"class:", Selector::Kind::window_class},
          std::pair{L"label:", Selector::Kind::label}, std::pair{L"id:", Selector::Kind::id}}) {
        if (body.rfind(prefix, 0) != 0) continue;
        selector.kind = kind;
        body.erase(0, std::wcslen(prefix));
        break;
    }
    // "#N" after a name, so that a class such as "#32770" is a name and not a count.
    const size_t hash = body.rfind(L'#');
    if (hash != std::wstring::npos && hash > 0 && hash + 1 < body.size() &&
        body.find_first_not_of(L"0123456789", hash + 1) == std::wstring::npos) {
        selector.nth = std::wcstol(body.c_str() + hash + 1, nullptr, 10);
        body.resize(hash);
    }
    if (selector.kind == Selector::Kind::id) {
        selector.id = std::wcstol(body.c_str(), nullptr, 10);
    } else if (selector.kind != Selector::Kind::window_class && !body.empty() &&
               body.back() == L'*') {
        selector.prefix = true;
        body.pop_back();
    }
    selector.text = body;
    return selector;
}

std::wstring window_text(HWND window) {
    const LRESULT length = send(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

std::wstring class_name(HWND window) {
    wchar_t name[128] = {};
    ::GetClassNameW(window, name, 128);
    return name;
}

HWND find_top_level(const Selector& selector) {
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return pick(windows, selector);
}

std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> windows;
    ::EnumChildWindows(
        parent,
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND find_control(HWND parent, const Selector& selector) {
    return pick(descendants(parent), selector);
}

std::vector<std::wstring> item_texts(HWND control) {
    std::vector<std::wstring> texts;
    const bool combo = same_class(control, L"ComboBox");
    if (combo || same_class(control, L"ListBox")) {
        const int count = static_cast<int>(send(control, combo ? CB_GETCOUNT : LB_GETCOUNT));
        for (int i = 0; i < count; ++i) texts.push_back(list_text(control, i, combo));
    } else if (same_class(control, WC_TABCONTROLW)) {
        const int count = static_cast<int>(send(control, TCM_GETITEMCOUNT));
        for (int i = 0; i < count; ++i) texts.push_back(tab_text(control, i));
    } else if (same_class(control, WC_LISTVIEWW)) {
        const int count = static_cast<int>(send(control, LVM_GETITEMCOUNT));
        for (int i = 0; i < count; ++i) texts.push_back(list_view_row(control, i));
    } else if (same_class(control, WC_HEADERW)) {
        const int count = static_cast<int>(send(control, HDM_GETITEMCOUNT));
        for (int i = 0; i < count; ++i) texts.push_back(header_text(control, i));
    }
    return texts;
}

bool row_place(HWND list, int row, RECT& place) {
    RemoteMemory remote(list, sizeof place);
    if (!remote) return false;
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    remote.write(&bounds, sizeof bounds);
    if (!send(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
              reinterpret_cast<LPARAM>(remote.address())))
        return false;
    remote.read(&place, sizeof place);
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return true;
}

std::wstring shown_text(HWND control) {
    const int selected = selected_index(control);
    if (selected == -2) return window_text(control);
    if (selected < 0) return same_class(control, L"ComboBox") ? window_text(control) : L"";
    const std::vector<std::wstring> items = item_texts(control);
    return static_cast<size_t>(selected) < items.size() ? items[static_cast<size_t>(selected)]
                                                        : L"";
}

std::wstring state_text(HWND control) {
    std::wstring state;
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    if (same_class(control, L"Button")) {
        const LONG_PTR kind = style & BS_TYPEMASK;
        if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
            kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE)
            state += L"checked=" + std::to_wstring(send(control, BM_GETCHECK)) + L" ";
    }
    state += L"enabled=" + std::to_wstring(::IsWindowEnabled(control) ? 1 : 0);
    state += L" visible=" + std::to_wstring(::IsWindowVisible(control) ? 1 : 0);
    const int selected = selected_index(control);
    if (selected != -2) state += L" selected=" + std::to_wstring(selected);
    return state;
}

}  // namespace ui_probe
