#include "tockly/win32/views/prompt_window_view.h"

#include "tockly/win32/ui/picture.h"

#include <windowsx.h>

#include "common/win32/wide_text.h"
#include "tockly/win32/ui/window_class.h"

namespace tockly::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TocklyForm2";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 200;
// The face until the picture is there: a pale yellow note with a darker rim.
constexpr COLORREF kFaceColor = RGB(255, 248, 220);
constexpr COLORREF kRimColor = RGB(214, 190, 120);
// Dark text reads best on the picture.
constexpr COLORREF kTextColor = RGB(0x1F, 0x3A, 0x5F);

enum MenuCommand : int {
    kOpenMain = 1,
    kTransparencyFirst = 100,  // 100-110: the ten steps and their separator
    kLayerFirst = 200,         // 200, 201
    kClose = 300,
    kSnooze = 400,
    kAcknowledge = 401,
};

// Text line places at 96 DPI, inside a window of the picture's size; the last one is shared by
// the hint line and the action button.
constexpr std::array<int, 4> kLineTops = {8, 32, 62, 86};
constexpr std::array<int, 4> kLineHeights = {22, 28, 22, 22};
constexpr int kBottomHeight = 26;
constexpr int kMargin = 6;
// The alarm buttons: from the top of the date line, side by side.
constexpr int kAlarmButtonsTop = 60;
constexpr int kAlarmButtonHeight = 30;

void append(HMENU menu, int command, const std::string& caption) {
    if (caption == "-") {
        ::AppendMenuW(menu, MF_SEPARATOR, static_cast<UINT_PTR>(command), nullptr);
        return;
    }
    ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command),
                  common::win32::utf16_from_utf8(caption).c_str());
}

}  // namespace

const wchar_t* PromptWindowView::window_class() {
    return registered_class(kClassName, &view_procedure<PromptWindowView>, CS_DBLCLKS);
}

PromptWindowView::PromptWindowView(windows::PromptWindow& model, Handlers handlers)
    : model_(model), handlers_(std::move(handlers)) {
    // A tool window stays out of the task bar; the popup style has no caption to remove.
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, window_class(),
                                    L"提示窗口", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), this));
    for (size_t i = 0; i < lines_.size(); ++i)
        lines_[i] =
            std::make_unique<LabelBinding>(hwnd(), LogicalRect{}, model_.Label1[i], SS_OWNERDRAW);
    hint_ = std::make_unique<LabelBinding>(hwnd(), LogicalRect{}, model_.Label2, SS_OWNERDRAW);
    button_ = std::make_unique<ButtonBinding>(hwnd(), LogicalRect{}, model_.Command1,
                                              [this] { model_.Command1_Click(); });
    snooze_ = std::make_unique<ButtonBinding>(hwnd(), LogicalRect{}, model_.snooze_button,
                                              [this] { model_.snooze_Click(); });
    acknowledge_ = std::make_unique<ButtonBinding>(hwnd(), LogicalRect{}, model_.acknowledge_button,
                                                   [this] { model_.acknowledge_Click(); });
    layout();
}

void PromptWindowView::start_refresh() {
    refresh_started_ = true;
    sync();
}

bool PromptWindowView::over_hint(LPARAM point) const {
    RECT hint{};
    ::GetWindowRect(hint_->hwnd(), &hint);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&hint), 2);
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    return model_.Label2.visible && ::PtInRect(&hint, at);
}

LRESULT PromptWindowView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_TIMER:
            if (wparam == kRefreshTimer) {
                model_.refresh();
                if (handlers_.after_input) handlers_.after_input();
            }
            return 0;
        case WM_COMMAND:
            if (lparam) {
                if (BoundControl* control = BoundControl::of(reinterpret_cast<HWND>(lparam)))
                    control->notify(HIWORD(wparam));
            } else {
                run_menu_command(LOWORD(wparam));
            }
            if (handlers_.after_input) handlers_.after_input();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // The text lines let the mouse through, so they move the window like its face.
            if (!over_hint(lparam)) {
                ::ReleaseCapture();
                ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
                store_position();
            }
            return 0;
        case WM_RBUTTONDOWN:
            menu_shown_for_press_ = false;
            return 0;
        case WM_MOUSEMOVE:
            if (wparam == MK_RBUTTON && !menu_shown_for_press_) show_context_menu();
            return 0;
        case WM_RBUTTONUP:
            if (!menu_shown_for_press_) show_context_menu();
            menu_shown_for_press_ = false;
            return 0;
        case WM_LBUTTONDBLCLK:
            model_.close_request();
            if (handlers_.after_input) handlers_.after_input();
            return 0;
        case WM_CLOSE:
            model_.close_request();
            if (handlers_.after_input) handlers_.after_input();
            return 0;
        case WM_ERASEBKGND: {
            RECT area{};
            ::GetClientRect(hwnd(), &area);
            paint_background(reinterpret_cast<HDC>(wparam), area);
            return 1;
        }
        case WM_DRAWITEM:
            draw_line(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_DPICHANGED: {
            // Moved onto a monitor of another scale: the system's place for it there, and the
            // position in twips at that monitor's DPI, so that the next sync keeps it there.
            const auto* suggested = reinterpret_cast<const RECT*>(lparam);
            ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            store_position();
            // The picture made for the new resolution, so that the background stays sharp.
            load_background();
            ::InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(hwnd(), message, wparam, lparam);
}

void PromptWindowView::paint_background(HDC dc, const RECT& area) const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (picture_) {
        common::win32::UniqueDc source(::CreateCompatibleDC(dc));
        common::win32::SelectGuard select(source.get(), picture_.get());
        ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 source.get(), area.left, area.top, SRCCOPY);
        return;
    }
    common::win32::UniqueBrush face(::CreateSolidBrush(kFaceColor));
    ::FillRect(dc, &area, face.get());
    common::win32::UniqueBrush rim(::CreateSolidBrush(kRimColor));
    ::FrameRect(dc, &client, rim.get());
}

void PromptWindowView::draw_line(const DRAWITEMSTRUCT& item) const {
    // Each line paints the part of the face behind it, then its text.
    RECT in_parent = item.rcItem;
    ::MapWindowPoints(item.hwndItem, hwnd(), reinterpret_cast<POINT*>(&in_parent), 2);
    ::SetViewportOrgEx(item.hDC, -in_parent.left, -in_parent.top, nullptr);
    paint_background(item.hDC, in_parent);
    ::SetViewportOrgEx(item.hDC, 0, 0, nullptr);

    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        ::GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
    const bool time_line = item.hwndItem == lines_[1]->hwnd();
    common::win32::SelectGuard font(item.hDC, time_line ? time_font_.get() : font_.get());
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, item.hwndItem == hint_->hwnd() ? RGB(70, 90, 120) : kTextColor);
    RECT text_area = item.rcItem;
    ::DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &text_area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PromptWindowView::layout() {
    dpi_ = window_dpi(hwnd());
    font_ = create_ui_font(dpi_, 9);
    time_font_ = create_ui_font(dpi_, 14, true);
    const int width = pixels_from_twips(model_.Width, dpi_);
    const int height = pixels_from_twips(model_.Height, dpi_);
    const int margin = scaled(kMargin, dpi_);
    for (size_t i = 0; i < lines_.size(); ++i)
        ::SetWindowPos(lines_[i]->hwnd(), nullptr, margin, scaled(kLineTops[i], dpi_),
                       width - 2 * margin, scaled(kLineHeights[i], dpi_),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    const int bottom = height - scaled(kBottomHeight + kMargin, dpi_);
    ::SetWindowPos(hint_->hwnd(), nullptr, margin, bottom, width - 2 * margin,
                   scaled(kBottomHeight, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    const int button_width = scaled(120, dpi_);
    ::SetWindowPos(button_->hwnd(), nullptr, (width - button_width) / 2, bottom, button_width,
                   scaled(kBottomHeight, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(button_->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    const int alarm_width = (width - 3 * margin) / 2;
    int left = margin;
    for (ButtonBinding* alarm_button : {snooze_.get(), acknowledge_.get()}) {
        ::SetWindowPos(alarm_button->hwnd(), nullptr, left, scaled(kAlarmButtonsTop, dpi_),
                       alarm_width, scaled(kAlarmButtonHeight, dpi_),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(alarm_button->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()),
                       TRUE);
        left += alarm_width + margin;
    }
    shown_rect_ = {};
}

void PromptWindowView::set_background(std::string folder, std::string name) {
    background_folder_ = std::move(folder);
    background_name_ = std::move(name);
    load_background();
}

void PromptWindowView::load_background() {
    const UINT dpi = window_dpi(hwnd());
    common::win32::UniqueBitmap picture = load_picture(background_folder_, background_name_, dpi);
    BITMAP size{};
    if (!picture || !::GetObjectW(picture.get(), sizeof size, &size)) return;
    picture_ = std::move(picture);
    const double per_pixel = twips_per_pixel(dpi);
    model_.picture_width = size.bmWidth * per_pixel;
    model_.picture_height = size.bmHeight * per_pixel;
}

void PromptWindowView::store_position() {
    RECT placed{};
    ::GetWindowRect(hwnd(), &placed);
    const double per_pixel = twips_per_pixel(dpi_);
    model_.Left = placed.left * per_pixel;
    model_.Top = placed.top * per_pixel;
    shown_rect_ = placed;
}

void PromptWindowView::sync() {
    const bool refresh = refresh_started_ && model_.visible();
    if (refresh != refreshing_) {
        refreshing_ = refresh;
        if (refresh) {
            // What it shows is brought up to date before it appears.
            model_.refresh();
            ::SetTimer(hwnd(), kRefreshTimer, kRefreshMs, nullptr);
        } else {
            ::KillTimer(hwnd(), kRefreshTimer);
        }
    }
    for (auto& line : lines_) line->sync();
    hint_->sync();
    button_->sync();
    snooze_->sync();
    acknowledge_->sync();

    const RECT wanted{pixels_from_twips(model_.Left, dpi_), pixels_from_twips(model_.Top, dpi_),
                      pixels_from_twips(model_.Left + model_.Width, dpi_),
                      pixels_from_twips(model_.Top + model_.Height, dpi_)};
    if (!::EqualRect(&wanted, &shown_rect_)) {
        const bool resized = wanted.right - wanted.left != shown_rect_.right - shown_rect_.left ||
                             wanted.bottom - wanted.top != shown_rect_.bottom - shown_rect_.top;
        shown_rect_ = wanted;
        ::SetWindowPos(hwnd(), nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                       wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (resized) {
            layout();
            shown_rect_ = wanted;
        }
    }
    if (model_.layered() && shown_alpha_ != model_.alpha()) {
        shown_alpha_ = model_.alpha();
        ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                            ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
        ::SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(shown_alpha_), LWA_ALPHA);
    }
    if (shown_topmost_ != static_cast<int>(model_.topmost())) {
        shown_topmost_ = model_.topmost();
        ::SetWindowPos(hwnd(), model_.topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (shown_visible_ != static_cast<int>(model_.visible())) {
        shown_visible_ = model_.visible();
        ::ShowWindow(hwnd(), model_.visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

void PromptWindowView::show_context_menu() {
    menu_shown_for_press_ = true;
    common::win32::UniqueMenu menu(::CreatePopupMenu());
    if (model_.snooze_button.visible) {
        append(menu.get(), kSnooze, windows::kSnoozeCaption);
        append(menu.get(), kAcknowledge, windows::kAcknowledgeCaption);
        append(menu.get(), 0, "-");
    }
    append(menu.get(), kOpenMain, "详细设置(&X)");
    append(menu.get(), 0, "-");
    for (int i = 0; i < windows::kTransparencySteps; ++i)
        append(menu.get(), kTransparencyFirst + i, windows::transparency_caption(i));
    append(menu.get(), kTransparencyFirst + windows::kTransparencySteps, "-");
    append(menu.get(), kLayerFirst, "保持窗口在最上层(&S)");
    append(menu.get(), kLayerFirst + 1, "取消窗口在最上层(&Q)");
    append(menu.get(), 0, "-");
    append(menu.get(), kClose, "关闭提示窗口(&G)");
    POINT at{};
    ::GetCursorPos(&at);
    // The window must be in the foreground, or the menu does not close when clicking elsewhere.
    ::SetForegroundWindow(hwnd());
    const int command = static_cast<int>(
        ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0,
                         hwnd(), nullptr));
    if (command) ::PostMessageW(hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void PromptWindowView::run_menu_command(int command) {
    if (command == kOpenMain) {
        if (handlers_.open_main_window) handlers_.open_main_window();
    } else if (command >= kTransparencyFirst && command < kLayerFirst) {
        model_.wenjian1_Click(command - kTransparencyFirst);
    } else if (command == kLayerFirst || command == kLayerFirst + 1) {
        model_.shangceng_Click(command - kLayerFirst);
    } else if (command == kClose) {
        model_.close_request();
    } else if (command == kSnooze) {
        model_.snooze_Click();
    } else if (command == kAcknowledge) {
        model_.acknowledge_Click();
    }
}

}  // namespace tockly::win32
