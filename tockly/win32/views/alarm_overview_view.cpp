#include "tockly/win32/views/alarm_overview_view.h"

#include <commctrl.h>

#include "common/win32/wide_text.h"

namespace tockly::win32 {

namespace {

using common::win32::utf16_from_utf8;

// Column widths at 96 DPI, in the order of pages::kOverviewColumns; with the vertical scroll
// bar they fill the list's width.
constexpr std::array<int, pages::kOverviewColumns.size()> kColumnWidths = {70, 84, 100, 150, 116};
constexpr LogicalRect kListPlace{12, 12, 552, 380};
// State image 1 is the empty box, 2 the ticked one.
constexpr UINT kUnticked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kTicked = INDEXTOSTATEIMAGEMASK(2);

}  // namespace

AlarmListBinding::AlarmListBinding(HWND parent, LogicalRect place, pages::AlarmOverview& overview)
    : BoundControl(parent, WC_LISTVIEWW,
                   LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, place),
      overview_(overview) {
    // The list's own name, for a screen reader, is the page's.
    ::SetWindowTextW(hwnd(), L"定时一览");
    ::SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                   LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    // The header items are the columns' accessible names.
    for (size_t c = 0; c < pages::kOverviewColumns.size(); ++c) {
        std::wstring caption = utf16_from_utf8(pages::kOverviewColumns[c]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = caption.data();
        column.cx = kColumnWidths[c];
        column.iSubItem = static_cast<int>(c);
        ::SendMessageW(hwnd(), LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    ::SetWindowSubclass(hwnd(), &AlarmListBinding::subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

AlarmListBinding::~AlarmListBinding() {
    ::RemoveWindowSubclass(hwnd(), &AlarmListBinding::subclass, 0);
}

LRESULT CALLBACK AlarmListBinding::subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                            UINT_PTR, DWORD_PTR) {
    // Enter opens the chosen slot, so it belongs to the list and not to the dialog keys.
    if (message == WM_GETDLGCODE && lparam &&
        reinterpret_cast<const MSG*>(lparam)->message == WM_KEYDOWN &&
        reinterpret_cast<const MSG*>(lparam)->wParam == VK_RETURN)
        return DLGC_WANTMESSAGE | ::DefSubclassProc(window, message, wparam, lparam);
    return ::DefSubclassProc(window, message, wparam, lparam);
}

void AlarmListBinding::layout(UINT dpi, HFONT font) {
    BoundControl::layout(dpi, font);
    for (size_t c = 0; c < kColumnWidths.size(); ++c)
        ::SendMessageW(hwnd(), LVM_SETCOLUMNWIDTH, c, scaled(kColumnWidths[c], dpi));
}

void AlarmListBinding::set_cell(int k, int column, const std::string& text) {
    std::wstring wide = utf16_from_utf8(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    ::SendMessageW(hwnd(), LVM_SETITEMTEXTW, static_cast<WPARAM>(k),
                   reinterpret_cast<LPARAM>(&item));
}

void AlarmListBinding::show_row(int k, const pages::AlarmRow& row) {
    const pages::AlarmRow& before = shown_[static_cast<size_t>(k)];
    if (row.name != before.name) set_cell(k, 0, row.name);
    if (row.time != before.time) set_cell(k, 1, row.time);
    if (row.rule != before.rule) set_cell(k, 2, row.rule);
    if (row.text != before.text) set_cell(k, 3, row.text);
    if (row.next != before.next) set_cell(k, 4, row.next);
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = row.enabled ? kTicked : kUnticked;
    ::SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(k),
                   reinterpret_cast<LPARAM>(&state));
    shown_[static_cast<size_t>(k)] = row;
}

void AlarmListBinding::sync() {
    const std::vector<pages::AlarmRow> rows = overview_.rows();
    pushing_ = true;
    while (shown_.size() < rows.size()) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(shown_.size());
        item.pszText = const_cast<wchar_t*>(L"");
        ::SendMessageW(hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        // A row not shown yet differs from every real row in its name.
        shown_.push_back({"\n", !rows[shown_.size()].enabled, {}, {}, {}, {}});
    }
    for (size_t k = 0; k < rows.size(); ++k)
        if (rows[k] != shown_[k]) show_row(static_cast<int>(k), rows[k]);
    pushing_ = false;
}

bool AlarmListBinding::notify_message(const NMHDR& header) {
    switch (header.code) {
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (pushing_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return false;
            if (!((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)) return false;
            overview_.set_enabled(change.iItem,
                                  (change.uNewState & LVIS_STATEIMAGEMASK) == kTicked);
            return true;
        }
        case NM_DBLCLK: {
            const auto& activation = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (activation.iItem < 0) return false;
            overview_.open(activation.iItem);
            return true;
        }
        case NM_RETURN: {
            const auto focused = static_cast<int>(
                ::SendMessageW(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
            if (focused < 0) return false;
            overview_.open(focused);
            return true;
        }
        default:
            return false;
    }
}

void build_overview_page(Panel& page, pages::AlarmOverview& overview) {
    page.add<AlarmListBinding>(kListPlace, overview);
}

}  // namespace tockly::win32
