#include "tockly/win32/views/popup_window_view.h"

#include <exdisp.h>
#include <windowsx.h>

#include "common/win32/com_ptr.h"
#include "common/win32/wide_text.h"
#include "tockly/win32/ui/picture.h"
#include "tockly/win32/ui/window_class.h"

namespace tockly::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TocklyFormTan";
constexpr UINT_PTR kRevealTimer = 1;
constexpr UINT kRevealMs = static_cast<UINT>(windows::PopupWindow::kRevealIntervalMs);
// Sizes at 96 DPI: the window is the size of its background picture.
constexpr int kWidth = 300;
constexpr int kHeight = 260;
constexpr int kTitleHeight = 26;
constexpr int kCloseSize = 16;
constexpr int kMargin = 6;
constexpr COLORREF kFaceColor = RGB(236, 244, 252);
constexpr COLORREF kTitleColor = RGB(52, 110, 180);
constexpr COLORREF kRimColor = RGB(40, 80, 140);

void draw_picture(HDC dc, HBITMAP picture, const RECT& place) {
    BITMAP size{};
    ::GetObjectW(picture, sizeof size, &size);
    common::win32::UniqueDc source(::CreateCompatibleDC(dc));
    common::win32::SelectGuard select(source.get(), picture);
    ::SetStretchBltMode(dc, HALFTONE);
    ::StretchBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
}

// The browser control exists wherever its library does, but without an HTML engine behind it
// (as under Wine without one) it stays blank; then the text is the better page.
bool html_engine_available() {
    CLSID document{};
    if (FAILED(::CLSIDFromProgID(L"htmlfile", &document))) return false;
    common::win32::ComPtr<IUnknown> engine;
    return SUCCEEDED(::CoCreateInstance(document, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                        engine.put_void()));
}

}  // namespace

const wchar_t* PopupWindowView::window_class() {
    return registered_class(kClassName, &view_procedure<PopupWindowView>, 0);
}

PopupWindowView::PopupWindowView(std::string program_folder, Handlers handlers)
    : program_folder_(std::move(program_folder)), handlers_(std::move(handlers)) {}

PopupWindowView::~PopupWindowView() {
    browser_.close();
}

bool PopupWindowView::ensure_window() {
    if (window_) return true;
    window_.reset(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, window_class(), L"新闻资讯",
                                    WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), this));
    if (!window_) return false;
    dpi_ = window_dpi(hwnd());
    width_ = scaled(kWidth, dpi_);
    height_ = scaled(kHeight, dpi_);
    ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOACTIVATE);
    font_ = create_ui_font(dpi_, 9);
    title_font_ = create_ui_font(dpi_, 10, true);
    face_ = load_picture(program_folder_, "tupian\\弹出窗口.jpg", dpi_);
    title_ = load_picture(program_folder_, "tupian\\弹出窗口标题.jpg", dpi_);
    const RECT frame = page_frame();
    browser_ready_ = html_engine_available() && SUCCEEDED(browser_.create(L"Shell.Explorer.2")) &&
                     SUCCEEDED(browser_.activate(hwnd(), frame));
    return true;
}

void PopupWindowView::place_topmost(double left_twips, double top_twips) {
    if (!ensure_window()) return;
    ::SetWindowPos(hwnd(), HWND_TOPMOST, pixels_from_twips(left_twips, dpi_),
                   pixels_from_twips(top_twips, dpi_), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void PopupWindowView::set_region(int width, int top, int bottom) {
    if (!ensure_window()) return;
    // The window owns the region once SetWindowRgn succeeds; on failure it is still ours.
    common::win32::UniqueRegion region(::CreateRectRgn(0, top, width, bottom));
    if (region && ::SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();
}

void PopupWindowView::free_region() {
    if (window_) ::SetWindowRgn(hwnd(), nullptr, TRUE);
}

void PopupWindowView::begin_title_drag() {
    if (!window_) return;
    ::ReleaseCapture();
    ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void PopupWindowView::navigate(const std::string& address) {
    if (!ensure_window()) return;
    address_ = address;
    show_page();
}

void PopupWindowView::set_visible(bool visible) {
    if (!window_) return;
    ::ShowWindow(hwnd(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (visible)
        ::SetTimer(hwnd(), kRevealTimer, kRevealMs, nullptr);
    else
        ::KillTimer(hwnd(), kRevealTimer);
}

void PopupWindowView::show_page() {
    // The browser shows the page when it takes it; otherwise the text takes its place.
    page_shown_ = false;
    if (browser_ready_ && !address_.empty()) {
        auto browser = common::win32::ComPtr<IUnknown>(browser_.unknown())
                           .query<IWebBrowser2>(IID_IWebBrowser2);
        common::win32::UniqueBstr url(
            ::SysAllocString(common::win32::utf16_from_utf8(address_).c_str()));
        page_shown_ =
            browser && SUCCEEDED(browser->Navigate(url.get(), nullptr, nullptr, nullptr, nullptr));
    }
    if (browser_ready_) browser_.set_visible(page_shown_);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

RECT PopupWindowView::title_strip() const {
    return {0, 0, width_, scaled(kTitleHeight, dpi_)};
}

RECT PopupWindowView::close_box() const {
    const int size = scaled(kCloseSize, dpi_);
    const int top = (scaled(kTitleHeight, dpi_) - size) / 2;
    return {width_ - size - top, top, width_ - top, top + size};
}

RECT PopupWindowView::page_frame() const {
    const int margin = scaled(kMargin, dpi_);
    return {margin, scaled(kTitleHeight, dpi_) + margin, width_ - margin, height_ - margin};
}

LRESULT PopupWindowView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_TIMER:
            if (wparam == kRevealTimer && !(handlers_.reveal_tick && handlers_.reveal_tick()))
                ::KillTimer(hwnd(), kRevealTimer);
            return 0;
        case WM_SETCURSOR: {
            POINT at{};
            ::GetCursorPos(&at);
            ::ScreenToClient(hwnd(), &at);
            const RECT box = close_box();
            if (::PtInRect(&box, at)) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            const RECT box = close_box();
            const RECT strip = title_strip();
            const bool left = message == WM_LBUTTONDOWN;
            if (left && ::PtInRect(&box, at)) {
                if (handlers_.closed) handlers_.closed();
            } else if (::PtInRect(&strip, at) && handlers_.title_pressed) {
                handlers_.title_pressed(left ? windows::kMouseLeftButton
                                             : windows::kMouseRightButton);
            }
            return 0;
        }
        case WM_CLOSE:
            if (handlers_.closed) handlers_.closed();
            return 0;
        case WM_PAINT: {
            common::win32::PaintGuard guard(hwnd());
            paint(guard.dc());
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(hwnd(), message, wparam, lparam);
}

void PopupWindowView::paint(HDC dc) {
    RECT client{0, 0, width_, height_};
    RECT strip = title_strip();
    common::win32::UniqueBrush rim(::CreateSolidBrush(kRimColor));
    if (face_) {
        draw_picture(dc, face_.get(), client);
    } else {
        common::win32::UniqueBrush face(::CreateSolidBrush(kFaceColor));
        ::FillRect(dc, &client, face.get());
        ::FrameRect(dc, &client, rim.get());
    }
    if (title_) {
        draw_picture(dc, title_.get(), strip);
    } else {
        common::win32::UniqueBrush title(::CreateSolidBrush(kTitleColor));
        ::FillRect(dc, &strip, title.get());
    }

    ::SetBkMode(dc, TRANSPARENT);
    {
        common::win32::SelectGuard font(dc, title_font_.get());
        ::SetTextColor(dc, RGB(255, 255, 255));
        const std::wstring text =
            common::win32::utf16_from_utf8(handlers_.title ? handlers_.title() : "");
        ::DrawTextW(dc, text.c_str(), -1, &strip, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        // The close box: a cross in a square (the title picture has its own).
        if (!title_) {
            RECT box = close_box();
            ::FrameRect(dc, &box, ::GetSysColorBrush(COLOR_WINDOW));
            ::DrawTextW(dc, L"×", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    RECT frame = page_frame();
    if (!face_) ::FrameRect(dc, &frame, rim.get());
    if (page_shown_) return;
    common::win32::SelectGuard font(dc, font_.get());
    ::SetTextColor(dc, RGB(30, 40, 60));
    const int margin = scaled(kMargin, dpi_);
    ::InflateRect(&frame, -margin, -margin);
    const std::wstring text =
        common::win32::utf16_from_utf8(handlers_.fallback_text ? handlers_.fallback_text() : "");
    ::DrawTextW(dc, text.c_str(), -1, &frame, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace tockly::win32
