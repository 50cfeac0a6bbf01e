#include "tockly/win32/views/main_window_view.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win32/wide_text.h"
#include "tockly/win32/ui/window_class.h"

namespace tockly::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TocklyForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 492;
constexpr LogicalRect kTabs{8, 8, 584, 440};
// The page area inside the tab strip, below its headers.
constexpr LogicalRect kPageArea{12, 40, 576, 402};
constexpr LogicalRect kFooter{0, 452, 600, 40};

constexpr std::array<const wchar_t*, kPageCount> kTabCaptions = {
    L"日期查询", L"闹钟定时", L"设置选项", L"使用说明", L"声音征集", L"定时一览"};

// The work area (the screen less the task bar) of the monitor with the mouse.
RECT work_area_under_mouse() {
    POINT mouse{};
    ::GetCursorPos(&mouse);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromPoint(mouse, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

}  // namespace

const wchar_t* MainWindowView::window_class() {
    HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    return registered_class(kClassName, &view_procedure<MainWindowView>, CS_DBLCLKS,
                            ::GetSysColorBrush(COLOR_BTNFACE),
                            icon ? icon : ::LoadIconW(nullptr, IDI_APPLICATION));
}

MainWindowView::MainWindowView(shell::MainWindow& model, Handlers handlers)
    : model_(model), handlers_(std::move(handlers)) {
    // Created on the monitor it will show on, so that it has that monitor's DPI from the start.
    const RECT work = work_area_under_mouse();
    window_.reset(::CreateWindowExW(WS_EX_CONTROLPARENT, window_class(), L"Tockly", kStyle,
                                    work.left, work.top, 0, 0, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), this));
    tabs_ = ::CreateWindowExW(0, WC_TABCONTROLW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                              hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < kPageCount; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabCaptions[static_cast<size_t>(i)]);
        ::SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&item));
        pages_[static_cast<size_t>(i)] =
            std::make_unique<Panel>(hwnd(), kPageArea, handlers_.after_input);
        pages_[static_cast<size_t>(i)]->on_double_click = handlers_.double_click;
    }
    overlay_ = std::make_unique<Panel>(hwnd(), kPageArea, handlers_.after_input);
    overlay_->set_visible(false);
    footer_ = std::make_unique<Panel>(hwnd(), kFooter, handlers_.after_input);
    footer_->on_double_click = handlers_.double_click;
}

LRESULT MainWindowView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
                select_tab(static_cast<int>(::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
            }
            return 0;
        }
        case WM_CLOSE:
            if (handlers_.close_request) handlers_.close_request();
            if (handlers_.after_input) handlers_.after_input();
            return 0;
        case WM_SIZE:
            if (wparam != SIZE_MINIMIZED) return 0;
            if (handlers_.minimised) handlers_.minimised();
            if (handlers_.after_input) handlers_.after_input();
            return 0;
        case WM_TIMER:
            if (handlers_.timer) handlers_.timer(wparam);
            return 0;
        case WM_LBUTTONDBLCLK:
            if (handlers_.double_click) handlers_.double_click();
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lparam);
            ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            return 0;
        }
        default:
            if (handlers_.other_message && handlers_.other_message(message, wparam, lparam))
                return 0;
            break;
    }
    return ::DefWindowProcW(hwnd(), message, wparam, lparam);
}

void MainWindowView::layout() {
    const UINT dpi = window_dpi(hwnd());
    font_ = create_ui_font(dpi);
    RECT frame{0, 0, scaled(kClientWidth, dpi), scaled(kClientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&frame, kStyle, FALSE, WS_EX_CONTROLPARENT, dpi);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(tabs_, HWND_BOTTOM, scaled(kTabs.x, dpi), scaled(kTabs.y, dpi),
                   scaled(kTabs.width, dpi), scaled(kTabs.height, dpi), SWP_NOACTIVATE);
    ::SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    // The pages fill the tab strip's display area, whatever height its headers take.
    RECT display{};
    ::GetWindowRect(tabs_, &display);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&display), 2);
    ::SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (auto& page : pages_) page->layout(dpi, font_.get(), &display);
    overlay_->layout(dpi, font_.get(), &display);
    footer_->layout(dpi, font_.get());
}

void MainWindowView::centre_in_work_area() {
    const RECT work = work_area_under_mouse();
    RECT frame{};
    ::GetWindowRect(hwnd(), &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // A work area smaller than the window keeps the caption on the screen, where it can be
    // dragged.
    ::SetWindowPos(hwnd(), nullptr,
                   std::max(work.left, work.left + (work.right - work.left - width) / 2),
                   std::max(work.top, work.top + (work.bottom - work.top - height) / 2), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindowView::bring_forward() {
    shown_visible_ = -1;
    sync();
}

void MainWindowView::select_tab(int index) {
    if (handlers_.tab_selected) handlers_.tab_selected(index);
    if (handlers_.after_input) handlers_.after_input();
}

bool MainWindowView::handle_tab_key(const MSG& message) {
    if (message.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0) return false;
    if (message.hwnd != hwnd() && !::IsChild(hwnd(), message.hwnd)) return false;
    int step = 0;
    if (message.wParam == VK_TAB) step = ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    if (message.wParam == VK_NEXT) step = 1;
    if (message.wParam == VK_PRIOR) step = -1;
    if (step == 0) return false;
    const int current = static_cast<int>(::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    select_tab((current + step + kPageCount) % kPageCount);
    return true;
}

void MainWindowView::show_window() {
    ::ShowWindow(hwnd(),
                 model_.WindowState() == shell::kMaximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    if (!model_.focused) return;
    ::SetForegroundWindow(hwnd());
    // Over the other windows even where the system refuses the foreground to the program.
    ::BringWindowToTop(hwnd());
}

void MainWindowView::show_pages() {
    for (int i = 0; i < kPageCount; ++i)
        pages_[static_cast<size_t>(i)]->set_visible(model_.Frame3[static_cast<size_t>(i)].visible &&
                                                    !overlay_->visible());
}

void MainWindowView::show_overlay(bool shown) {
    // The pages go before the overlay comes, so that it paints over the parent's background
    // and not over a page.
    if (shown) {
        for (auto& page : pages_) page->set_visible(false);
        overlay_->set_visible(true);
    } else {
        overlay_->set_visible(false);
        show_pages();
    }
}

void MainWindowView::sync() {
    std::wstring caption = common::win32::utf16_from_utf8(model_.Caption);
    if (caption != shown_caption_) {
        shown_caption_ = std::move(caption);
        ::SetWindowTextW(hwnd(), shown_caption_.c_str());
    }
    if (shown_visible_ != static_cast<int>(model_.visible)) {
        shown_visible_ = model_.visible;
        if (model_.visible)
            show_window();
        else
            ::ShowWindow(hwnd(), SW_HIDE);
    }
    const int selected = model_.TabStrip1.selected;
    if (::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0) != selected)
        ::SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
    show_pages();
    for (auto& page : pages_)
        if (page->visible()) page->sync();
    if (overlay_->visible()) overlay_->sync();
    footer_->sync();
}

}  // namespace tockly::win32
