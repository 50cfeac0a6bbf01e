#include "tockly/win32/ui/picture_button.h"

#include <commctrl.h>
#include <olectl.h>

#include "common/win32/wide_text.h"
#include "tockly/win32/ui/picture.h"

namespace tockly::win32 {

namespace {

COLORREF translated(long colour) {
    COLORREF rgb = 0;
    // A system-colour reference becomes the colour the system uses now.
    if (FAILED(::OleTranslateColor(static_cast<OLE_COLOR>(colour), nullptr, &rgb)))
        return ::GetSysColor(COLOR_BTNTEXT);
    return rgb;
}

// The face of a button whose picture is missing: flat, framed, like a toolbar button.
void draw_plain_face(HDC dc, const RECT& area) {
    ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_WINDOW));
    ::FrameRect(dc, &area, ::GetSysColorBrush(COLOR_BTNSHADOW));
}

void draw_stretched(HDC dc, const RECT& area, HBITMAP bitmap) {
    BITMAP size{};
    ::GetObjectW(bitmap, sizeof size, &size);
    const common::win32::UniqueDc source(::CreateCompatibleDC(dc));
    common::win32::SelectGuard select(source.get(), bitmap);
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
}

}  // namespace

PictureButtonBinding::PictureButtonBinding(HWND parent, LogicalRect place, const ui::Label& text,
                                           const ui::PictureBox& picture, Handlers handlers)
    : BoundControl(parent, WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP, 0, place),
      text_(text),
      picture_(picture),
      handlers_(std::move(handlers)) {
    ::SetWindowSubclass(hwnd(), &PictureButtonBinding::subclass, 0,
                        reinterpret_cast<DWORD_PTR>(this));
}

PictureButtonBinding::~PictureButtonBinding() {
    ::RemoveWindowSubclass(hwnd(), &PictureButtonBinding::subclass, 0);
}

LRESULT CALLBACK PictureButtonBinding::subclass(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam, UINT_PTR, DWORD_PTR self) {
    auto* button = reinterpret_cast<PictureButtonBinding*>(self);
    switch (message) {
        case WM_MOUSEMOVE:
            if (!button->tracking_) button->track_leaving();
            button->mouse(button->handlers_.mouse_move);
            break;
        case WM_MOUSELEAVE:
            button->tracking_ = false;
            button->mouse(button->handlers_.mouse_left);
            break;
        case WM_LBUTTONDBLCLK:
            // An owner-drawn button takes a double-click as a notification of its own; here
            // the second press is a press like the first, and gives a second click.
            message = WM_LBUTTONDOWN;
            [[fallthrough]];
        case WM_LBUTTONDOWN:
            button->mouse(button->handlers_.mouse_down);
            break;
        case WM_LBUTTONUP: {
            // The model hears the release before the click that the button reports with it.
            button->mouse(button->handlers_.mouse_up);
            const LRESULT result = ::DefSubclassProc(window, message, wparam, lparam);
            // Released away from the button (it had the mouse captured): no move over it will
            // come to put it back.
            button->track_leaving();
            return result;
        }
        default:
            break;
    }
    return ::DefSubclassProc(window, message, wparam, lparam);
}

void PictureButtonBinding::mouse(const std::function<void()>& handler) {
    if (handler) handler();
    if (handlers_.after_input) handlers_.after_input();
}

void PictureButtonBinding::track_leaving() {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd();
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
}

void PictureButtonBinding::layout(UINT dpi, HFONT font) {
    if (dpi != dpi_) {
        // The "@2x" pictures serve high DPI.
        pictures_.clear();
        dpi_ = dpi;
    }
    BoundControl::layout(dpi, font);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureButtonBinding::sync() {
    sync_state(text_);
    sync_text(text_.caption);
    if (face_shown_ && shown_picture_ == picture_.picture && shown_color_ == text_.fore_color)
        return;
    face_shown_ = true;
    shown_picture_ = picture_.picture;
    shown_color_ = text_.fore_color;
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureButtonBinding::notify(UINT code) {
    if (code == BN_CLICKED && handlers_.click) handlers_.click();
}

HBITMAP PictureButtonBinding::picture(const std::string& path) {
    if (path.empty()) return nullptr;
    auto found = pictures_.find(path);
    if (found == pictures_.end())
        found = pictures_.emplace(path, load_picture({}, path, dpi_)).first;
    return found->second.get();
}

void PictureButtonBinding::draw(const DRAWITEMSTRUCT& item) {
    // Drawn off screen and copied at once, so that a change of picture does not flicker.
    const RECT area{0, 0, item.rcItem.right - item.rcItem.left,
                    item.rcItem.bottom - item.rcItem.top};
    const common::win32::UniqueDc dc(::CreateCompatibleDC(item.hDC));
    const common::win32::UniqueBitmap canvas(
        ::CreateCompatibleBitmap(item.hDC, area.right, area.bottom));
    common::win32::SelectGuard select_canvas(dc.get(), canvas.get());

    if (const HBITMAP bitmap = picture(picture_.picture)) {
        draw_stretched(dc.get(), area, bitmap);
    } else {
        draw_plain_face(dc.get(), area);
    }

    const auto font = reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    common::win32::SelectGuard select_font(dc.get(), font);
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), translated(text_.fore_color));
    std::wstring caption = common::win32::utf16_from_utf8(text_.caption);
    RECT text_area = area;
    ::DrawTextW(dc.get(), caption.data(), static_cast<int>(caption.size()), &text_area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = area;
        const int inset = scaled(4, dpi_);
        ::InflateRect(&focus, -inset, -inset);
        ::DrawFocusRect(dc.get(), &focus);
    }
    ::BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, area.right, area.bottom, dc.get(), 0, 0,
             SRCCOPY);
}

}  // namespace tockly::win32
