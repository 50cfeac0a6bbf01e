#include "moonleaf/com/gdi_canvas.h"

#include <olectl.h>

#include <string>

#include "common/win32/wide_text.h"
#include "moonleaf/com/text_conversion.h"
#include "moonleaf/control/month_layout.h"

namespace moonleaf_com {

namespace {

COLORREF translated(moonleaf::Colour colour) {
    COLORREF rgb = 0;
    // A system-colour reference becomes the colour the system uses now; a bad one draws black.
    if (FAILED(::OleTranslateColor(colour, nullptr, &rgb))) return RGB(0, 0, 0);
    return rgb;
}

RECT to_rect(const moonleaf::Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool font_installed(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    common::win32::WindowDc screen(nullptr);
    ::EnumFontFamiliesExW(screen.get(), &query, note_found, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The layout counts 12 pixels for a Chinese character and 6 for a digit: faces whose digits
// are half a Chinese character come first. The first installed face wins; the GB2312
// character set makes the font mapper pick a Chinese-capable one if none of them is there.
HFONT create_text_font() {
    const wchar_t* const faces[] = {L"SimSun", L"NSimSun", L"WenQuanYi Micro Hei Mono",
                                    L"Microsoft YaHei", L"WenQuanYi Micro Hei"};
    const wchar_t* chosen = L"";
    for (const wchar_t* face : faces) {
        if (font_installed(face)) {
            chosen = face;
            break;
        }
    }
    return ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, chosen);
}

HFONT create_marlett_font() {
    common::win32::WindowDc screen(nullptr);
    const int height = -::MulDiv(12, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    return ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"Marlett");
}

}  // namespace

GdiCanvas::Bitmap::~Bitmap() {
    if (dc && original) ::SelectObject(dc.get(), original);
}

GdiCanvas::GdiCanvas() : text_font_(create_text_font()), marlett_font_(create_marlett_font()) {
    set_control_width(moonleaf::kMinimumWidth);
    create_bitmap(surfaces_[static_cast<int>(moonleaf::Surface::YearBox)],
                  moonleaf::kSelectorBoxWidth, moonleaf::kSelectorBoxHeight);
    create_bitmap(surfaces_[static_cast<int>(moonleaf::Surface::MonthBox)],
                  moonleaf::kSelectorBoxWidth, moonleaf::kSelectorBoxHeight);
}

void GdiCanvas::create_bitmap(Bitmap& target, int width, int height) {
    if (target.dc && target.original) ::SelectObject(target.dc.get(), target.original);
    target.original = nullptr;
    target.bitmap.reset();
    if (!target.dc) target.dc.reset(::CreateCompatibleDC(nullptr));
    // A DIB section does not depend on the screen, so an object that is never shown still
    // has a surface to draw on.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    target.bitmap.reset(
        ::CreateDIBSection(target.dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (target.dc && target.bitmap)
        target.original = ::SelectObject(target.dc.get(), target.bitmap.get());
    target.size = {width, height};
}

void GdiCanvas::set_control_width(int width) {
    create_bitmap(surfaces_[static_cast<int>(moonleaf::Surface::Control)], width,
                  moonleaf::kControlHeight);
}

void GdiCanvas::set_box_positions(const RECT& year_box, const RECT& month_box) {
    year_box_ = year_box;
    month_box_ = month_box;
}

HDC GdiCanvas::dc_of(moonleaf::Surface surface) const {
    return surfaces_[static_cast<int>(surface)].dc.get();
}

RECT GdiCanvas::window_rect_of(moonleaf::Surface surface) const {
    switch (surface) {
        case moonleaf::Surface::YearBox:
            return year_box_;
        case moonleaf::Surface::MonthBox:
            return month_box_;
        case moonleaf::Surface::Control:
            break;
    }
    const SIZE size = surfaces_[static_cast<int>(moonleaf::Surface::Control)].size;
    return {0, 0, size.cx, size.cy};
}

void GdiCanvas::compose(HDC target, const RECT& bounds) const {
    const SIZE size = surfaces_[static_cast<int>(moonleaf::Surface::Control)].size;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const auto scale_x = [&](int x) { return bounds.left + ::MulDiv(x, width, size.cx); };
    const auto scale_y = [&](int y) { return bounds.top + ::MulDiv(y, height, size.cy); };
    ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, bounds.left, bounds.top, width, height, dc_of(moonleaf::Surface::Control),
                 0, 0, size.cx, size.cy, SRCCOPY);
    for (const auto surface : {moonleaf::Surface::YearBox, moonleaf::Surface::MonthBox}) {
        const RECT box = window_rect_of(surface);
        const SIZE box_size = surfaces_[static_cast<int>(surface)].size;
        ::StretchBlt(target, scale_x(box.left), scale_y(box.top),
                     scale_x(box.right) - scale_x(box.left), scale_y(box.bottom) - scale_y(box.top),
                     dc_of(surface), 0, 0, box_size.cx, box_size.cy, SRCCOPY);
    }
}

void GdiCanvas::fill_rect(moonleaf::Surface surface, const moonleaf::Rect& rect,
                          moonleaf::Colour colour) {
    common::win32::UniqueBrush brush(::CreateSolidBrush(translated(colour)));
    const RECT area = to_rect(rect);
    ::FillRect(dc_of(surface), &area, brush.get());
}

void GdiCanvas::line(moonleaf::Surface surface, moonleaf::Point from, moonleaf::Point to,
                     moonleaf::Colour colour) {
    HDC dc = dc_of(surface);
    common::win32::UniquePen pen(::CreatePen(PS_SOLID, 1, translated(colour)));
    common::win32::SelectGuard select(dc, pen.get());
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x, to.y);
}

void GdiCanvas::text(moonleaf::Surface surface, moonleaf::Point at, std::string_view utf8,
                     moonleaf::Colour colour) {
    HDC dc = dc_of(surface);
    const std::wstring wide = common::win32::utf16_from_utf8(utf8);
    common::win32::SelectGuard select(dc, text_font_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, translated(colour));
    ::TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
}

void GdiCanvas::edge(moonleaf::Surface surface, const moonleaf::Rect& rect,
                     moonleaf::EdgeStyle style) {
    RECT area = to_rect(rect);
    switch (style) {
        case moonleaf::EdgeStyle::Frame:
            ::DrawEdge(dc_of(surface), &area, EDGE_BUMP, BF_RECT);
            break;
        case moonleaf::EdgeStyle::ButtonAtRest:
            ::DrawEdge(dc_of(surface), &area, BDR_RAISEDINNER, BF_RECT | BF_FLAT);
            break;
        case moonleaf::EdgeStyle::ButtonPressed:
            ::DrawEdge(dc_of(surface), &area, BDR_SUNKENOUTER, BF_RECT);
            break;
    }
}

void GdiCanvas::marlett_glyph(moonleaf::Surface surface, const moonleaf::Rect& rect, char glyph,
                              moonleaf::Colour colour) {
    HDC dc = dc_of(surface);
    RECT area = to_rect(rect);
    const wchar_t text[2] = {static_cast<wchar_t>(static_cast<unsigned char>(glyph)), L'\0'};
    common::win32::SelectGuard select(dc, marlett_font_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, translated(colour));
    ::DrawTextW(dc, text, 1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void GdiCanvas::present(moonleaf::Surface surface) {
    if (!window_) return;
    const RECT area = window_rect_of(surface);
    ::InvalidateRect(window_, &area, FALSE);
}

}  // namespace moonleaf_com
