#include "moonleaf/com/gdi_canvas.h"

#include <olectl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/win32/wide_text.h"
#include "moonleaf/com/text_conversion.h"
#include "moonleaf/control/holiday_mark.h"
#include "moonleaf/control/month_layout.h"

namespace moonleaf_com {

namespace {

COLORREF translated(moonleaf::Colour colour) {
    COLORREF rgb = 0;
    // A system-colour reference becomes the colour the system uses now; a bad one draws black.
    if (FAILED(::OleTranslateColor(colour, nullptr, &rgb))) return RGB(0, 0, 0);
    return rgb;
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

// The layout counts a Chinese character as wide as the font is high (12 pixels, 9 in the small
// font) and a digit half of that: faces whose digits are half a Chinese character come first. The
// first installed face wins; the GB2312 character set makes the font mapper pick a Chinese-capable
// one if none of them is there.
HFONT create_text_font(const DpiScale& scale, int pixel_height) {
    const wchar_t* const faces[] = {L"SimSun", L"NSimSun", L"WenQuanYi Micro Hei Mono",
                                    L"Microsoft YaHei", L"WenQuanYi Micro Hei"};
    const wchar_t* chosen = L"";
    for (const wchar_t* face : faces) {
        if (font_installed(face)) {
            chosen = face;
            break;
        }
    }
    return ::CreateFontW(-scale.to_device(pixel_height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                         GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, chosen);
}

HFONT create_marlett_font(const DpiScale& scale) {
    const int height = -::MulDiv(12, scale.dpi(), 72);  // 12 points
    return ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"Marlett");
}

// DrawEdge draws each of its borders one device pixel wide; at a larger scale each border is
// drawn as often as a logical pixel has device pixels, outer border first.
void draw_edge(HDC dc, RECT area, UINT borders, UINT flags, int thickness) {
    if (thickness <= 1) {
        ::DrawEdge(dc, &area, borders, flags);
        return;
    }
    for (const UINT border : {borders & BDR_OUTER, borders & BDR_INNER}) {
        if (!border) continue;
        for (int ring = 0; ring < thickness; ++ring) {
            ::DrawEdge(dc, &area, border, flags);
            ::InflateRect(&area, -1, -1);
        }
    }
}

}  // namespace

GdiCanvas::Bitmap::~Bitmap() {
    if (dc && original) ::SelectObject(dc.get(), original);
}

// Until the control has a window it draws at the screen's DPI.
GdiCanvas::GdiCanvas() : scale_(kLayoutDpi), control_width_(moonleaf::kMinimumWidth) {
    set_dpi(dpi_of(nullptr));
}

void GdiCanvas::set_dpi(int dpi) {
    scale_ = DpiScale(dpi);
    text_font_.reset(create_text_font(scale_, 12));
    small_font_.reset(create_text_font(scale_, moonleaf::kSmallCharacterWidth));
    marlett_font_.reset(create_marlett_font(scale_));
    set_control_width(control_width_);
    for (const auto box : {moonleaf::Surface::YearBox, moonleaf::Surface::MonthBox})
        create_bitmap(box, moonleaf::kMaximumSelectorBoxWidth, moonleaf::kSelectorBoxHeight);
}

void GdiCanvas::create_bitmap(moonleaf::Surface surface, int logical_width, int logical_height) {
    Bitmap& target = surfaces_[static_cast<int>(surface)];
    const int width = scale_.to_device(logical_width);
    const int height = scale_.to_device(logical_height);
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
    control_width_ = width;
    create_bitmap(moonleaf::Surface::Control, width, moonleaf::kControlHeight);
}

void GdiCanvas::set_box_positions(const moonleaf::Rect& year_box, const moonleaf::Rect& month_box) {
    year_box_ = year_box;
    month_box_ = month_box;
}

HDC GdiCanvas::dc_of(moonleaf::Surface surface) const {
    return surfaces_[static_cast<int>(surface)].dc.get();
}

RECT GdiCanvas::window_rect_of(moonleaf::Surface surface) const {
    switch (surface) {
        case moonleaf::Surface::YearBox:
            return scale_.to_device(year_box_);
        case moonleaf::Surface::MonthBox:
            return scale_.to_device(month_box_);
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
        ::StretchBlt(target, scale_x(box.left), scale_y(box.top),
                     scale_x(box.right) - scale_x(box.left), scale_y(box.bottom) - scale_y(box.top),
                     dc_of(surface), 0, 0, box.right - box.left, box.bottom - box.top, SRCCOPY);
    }
}

int GdiCanvas::text_width(std::string_view utf8) const {
    const std::wstring wide = common::win32::utf16_from_utf8(utf8);
    HDC dc = dc_of(moonleaf::Surface::Control);
    common::win32::SelectGuard select(dc, text_font_.get());
    SIZE extent{};
    if (!::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent))
        return 0;
    // Rounded up to whole logical pixels, so that a layout from it never clips the text.
    const int dpi = scale_.dpi();
    return (static_cast<int>(extent.cx) * kLayoutDpi + dpi - 1) / dpi;
}

void GdiCanvas::fill_rect(moonleaf::Surface surface, const moonleaf::Rect& rect,
                          moonleaf::Colour colour) {
    common::win32::UniqueBrush brush(::CreateSolidBrush(translated(colour)));
    const RECT area = scale_.to_device(rect);
    ::FillRect(dc_of(surface), &area, brush.get());
}

void GdiCanvas::line(moonleaf::Surface surface, moonleaf::Point from, moonleaf::Point to,
                     moonleaf::Colour colour) {
    // A horizontal or vertical line is the row or column of pixels LineTo would set (the end
    // point excluded), filled at the canvas's scale so that it stays one logical pixel wide.
    if (from == to) return;
    if (from.x == to.x || from.y == to.y) {
        const auto span = [](int start, int end) {
            return end >= start ? std::pair{start, std::max(end, start + 1)}
                                : std::pair{end + 1, start + 1};
        };
        const auto [left, right] = span(from.x, to.x);
        const auto [top, bottom] = span(from.y, to.y);
        fill_rect(surface, {left, top, right, bottom}, colour);
        return;
    }
    HDC dc = dc_of(surface);
    common::win32::UniquePen pen(::CreatePen(PS_SOLID, scale_.to_device(1), translated(colour)));
    common::win32::SelectGuard select(dc, pen.get());
    ::MoveToEx(dc, scale_.to_device(from.x), scale_.to_device(from.y), nullptr);
    ::LineTo(dc, scale_.to_device(to.x), scale_.to_device(to.y));
}

void GdiCanvas::text(moonleaf::Surface surface, moonleaf::Point at, std::string_view utf8,
                     moonleaf::Colour colour) {
    draw_text(surface, text_font_.get(), at, utf8, colour);
}

void GdiCanvas::small_text(moonleaf::Surface surface, moonleaf::Point at, std::string_view utf8,
                           moonleaf::Colour colour) {
    draw_text(surface, small_font_.get(), at, utf8, colour);
}

void GdiCanvas::draw_text(moonleaf::Surface surface, HFONT font, moonleaf::Point at,
                          std::string_view utf8, moonleaf::Colour colour) {
    HDC dc = dc_of(surface);
    const std::wstring wide = common::win32::utf16_from_utf8(utf8);
    common::win32::SelectGuard select(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, translated(colour));
    ::TextOutW(dc, scale_.to_device(at.x), scale_.to_device(at.y), wide.c_str(),
               static_cast<int>(wide.size()));
}

void GdiCanvas::edge(moonleaf::Surface surface, const moonleaf::Rect& rect,
                     moonleaf::EdgeStyle style) {
    const RECT area = scale_.to_device(rect);
    const int thickness = scale_.to_device(1);
    switch (style) {
        case moonleaf::EdgeStyle::Frame:
            draw_edge(dc_of(surface), area, EDGE_BUMP, BF_RECT, thickness);
            break;
        case moonleaf::EdgeStyle::ButtonAtRest:
            draw_edge(dc_of(surface), area, BDR_RAISEDINNER, BF_RECT | BF_FLAT, thickness);
            break;
        case moonleaf::EdgeStyle::ButtonPressed:
            draw_edge(dc_of(surface), area, BDR_SUNKENOUTER, BF_RECT, thickness);
            break;
    }
}

void GdiCanvas::marlett_glyph(moonleaf::Surface surface, const moonleaf::Rect& rect, char glyph,
                              moonleaf::Colour colour) {
    HDC dc = dc_of(surface);
    RECT area = scale_.to_device(rect);
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
