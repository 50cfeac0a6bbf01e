#include "tockly/win32/ui/bound_control.h"

#include <commctrl.h>

#include "common/win32/wide_text.h"

namespace tockly::win32 {

namespace {

using common::win32::utf16_from_utf8;
using common::win32::utf8_from_utf16;

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Drop-down lists open this far below their edit part, at 96 DPI.
constexpr int kDropDownHeight = 260;

// One tooltip window serves every control of the program.
HWND tooltip_window() {
    static common::win32::UniqueWindow tooltip(::CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
        0, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    return tooltip.get();
}

}  // namespace

BoundControl::BoundControl(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style,
                           LogicalRect place)
    : place_(place),
      window_(::CreateWindowExW(ex_style, window_class, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                                0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr)) {
    ::SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BoundControl* BoundControl::of(HWND window) {
    // Only our own parents ask, and only about children they created through a binding.
    return reinterpret_cast<BoundControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void BoundControl::layout(UINT dpi, HFONT font) {
    ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ::SetWindowPos(hwnd(), nullptr, scaled(place_.x, dpi), scaled(place_.y, dpi),
                   scaled(place_.width, dpi), scaled(place_.height, dpi),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void BoundControl::center_in_row(int height, UINT dpi) {
    const int row = scaled(place_.height, dpi);
    ::SetWindowPos(hwnd(), nullptr, scaled(place_.x, dpi),
                   scaled(place_.y, dpi) + (row - height) / 2, scaled(place_.width, dpi), height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void BoundControl::sync_state(const ui::ControlBase& model) {
    sync_tooltip(model.tooltip);
    if (shown_enabled_ != static_cast<int>(model.enabled)) {
        shown_enabled_ = model.enabled;
        ::EnableWindow(hwnd(), model.enabled);
    }
    if (shown_visible_ != static_cast<int>(model.visible)) {
        shown_visible_ = model.visible;
        ::ShowWindow(hwnd(), model.visible ? SW_SHOWNA : SW_HIDE);
    }
}

void BoundControl::sync_tooltip(const std::string& utf8) {
    std::wstring text = utf16_from_utf8(utf8);
    if (text == shown_tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    tool.lpszText = text.data();
    const UINT request = shown_tooltip_.empty() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW;
    ::SendMessageW(tooltip_window(), text.empty() ? TTM_DELTOOLW : request, 0,
                   reinterpret_cast<LPARAM>(&tool));
    shown_tooltip_ = std::move(text);
}

void BoundControl::sync_text(const std::string& utf8) {
    std::wstring text = utf16_from_utf8(utf8);
    if (text_shown_ && text == shown_text_) return;
    shown_text_ = std::move(text);
    text_shown_ = true;
    ::SetWindowTextW(hwnd(), shown_text_.c_str());
}

void BoundControl::forget_shown() {
    text_shown_ = false;
    shown_enabled_ = -1;
    shown_visible_ = -1;
}

CheckBinding::CheckBinding(HWND parent, LogicalRect place, ui::CheckBox& model)
    : BoundControl(parent, WC_BUTTONW, BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0, place),
      model_(&model) {}

void CheckBinding::sync() {
    sync_state(*model_);
    sync_text(caption_.empty() ? model_->caption : caption_);
    if (shown_value_ != model_->value()) {
        shown_value_ = model_->value();
        ::SendMessageW(hwnd(), BM_SETCHECK, model_->checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CheckBinding::notify(UINT code) {
    if (code == BN_CLICKED) model_->set_value(model_->checked() ? 0 : 1);
}

void CheckBinding::rebind(ui::CheckBox& model, std::string caption) {
    model_ = &model;
    caption_ = std::move(caption);
    shown_value_ = -1;
    forget_shown();
}

ListBinding::ListBinding(HWND parent, LogicalRect place, ui::ListBox& model, Typing typing)
    : BoundControl(
          parent, WC_COMBOBOXW,
          (typing == Typing::kAllowed ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
              WS_VSCROLL | WS_TABSTOP,
          0, place),
      model_(&model),
      typed_(typing == Typing::kAllowed) {}

void ListBinding::layout(UINT dpi, HFONT font) {
    BoundControl::layout(dpi, font);
    // The height given to a combo box is that of its open list; the closed box follows the
    // font, and is centred in its row.
    ::SetWindowPos(hwnd(), nullptr, 0, 0, scaled(place().width, dpi), scaled(kDropDownHeight, dpi),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT closed{};
    ::GetWindowRect(hwnd(), &closed);
    const int height = closed.bottom - closed.top;
    const int row = scaled(place().height, dpi);
    ::SetWindowPos(hwnd(), nullptr, scaled(place().x, dpi),
                   scaled(place().y, dpi) + (row - height) / 2, scaled(place().width, dpi),
                   scaled(kDropDownHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ListBinding::sync() {
    sync_state(*model_);
    bool items_changed = static_cast<int>(shown_items_.size()) != model_->list_count();
    for (int i = 0; !items_changed && i < model_->list_count(); ++i)
        items_changed = shown_items_[static_cast<size_t>(i)] != model_->item(i);
    if (items_changed) {
        ::SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
        shown_items_.clear();
        for (int i = 0; i < model_->list_count(); ++i) {
            shown_items_.push_back(model_->item(i));
            ::SendMessageW(hwnd(), CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(utf16_from_utf8(model_->item(i)).c_str()));
        }
        shown_index_ = -2;
    }
    if (shown_index_ != model_->list_index()) {
        shown_index_ = model_->list_index();
        ::SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(shown_index_), 0);
        shown_text_ = model_->text();
    }
    if (typed_ && shown_text_ != model_->text()) {
        shown_text_ = model_->text();
        ::SetWindowTextW(hwnd(), utf16_from_utf8(shown_text_).c_str());
    }
}

void ListBinding::notify(UINT code) {
    if (code == CBN_SELCHANGE) {
        model_->set_list_index(static_cast<int>(::SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)));
    } else if (code == CBN_EDITCHANGE && typed_) {
        shown_text_ = utf8_from_utf16(window_text(hwnd()));
        model_->set_text(shown_text_);
    }
}

ListBinding::~ListBinding() {
    if (key_down_ || key_up_) ::RemoveWindowSubclass(hwnd(), &ListBinding::subclass, 0);
}

void ListBinding::set_key_handlers(std::function<void()> key_down, std::function<void()> key_up) {
    key_down_ = std::move(key_down);
    key_up_ = std::move(key_up);
    ::SetWindowSubclass(hwnd(), &ListBinding::subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ListBinding::subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR, DWORD_PTR self) {
    auto* list = reinterpret_cast<ListBinding*>(self);
    if (message == WM_KEYDOWN && list->key_down_) list->key_down_();
    const LRESULT result = ::DefSubclassProc(window, message, wparam, lparam);
    if (message == WM_KEYUP && list->key_up_) {
        list->key_up_();
        // The model may have put the choice back: show it now, not at the next tick.
        list->sync();
    }
    return result;
}

void ListBinding::rebind(ui::ListBox& model) {
    model_ = &model;
    shown_text_.clear();
    shown_items_.clear();
    shown_index_ = -2;
    forget_shown();
}

TextBinding::TextBinding(HWND parent, LogicalRect place, ui::TextBox& model, DWORD extra_style)
    : BoundControl(parent, WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP | extra_style, WS_EX_CLIENTEDGE,
                   place),
      model_(&model) {}

void TextBinding::layout(UINT dpi, HFONT font) {
    BoundControl::layout(dpi, font);
    if (::GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_MULTILINE) return;
    // One line of text with the edge and a little air, like a dialog's edit box.
    common::win32::WindowDc dc(hwnd());
    common::win32::SelectGuard select(dc.get(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.get(), &metrics);
    center_in_row(metrics.tmHeight + scaled(8, dpi), dpi);
}

void TextBinding::sync() {
    sync_state(*model_);
    if (model_->text() == shown_) return;
    shown_ = model_->text();
    pushing_ = true;
    ::SetWindowTextW(hwnd(), utf16_from_utf8(shown_).c_str());
    pushing_ = false;
}

void TextBinding::notify(UINT code) {
    if (code != EN_CHANGE || pushing_) return;
    shown_ = utf8_from_utf16(window_text(hwnd()));
    model_->set_text(shown_);
}

void TextBinding::rebind(ui::TextBox& model) {
    model_ = &model;
    shown_.clear();
    forget_shown();
    pushing_ = true;
    ::SetWindowTextW(hwnd(), L"");
    pushing_ = false;
}

TextViewBinding::TextViewBinding(HWND parent, LogicalRect place, const ui::Label& model,
                                 std::function<void()> on_double_click)
    : BoundControl(parent, WC_EDITW,
                   ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, place),
      model_(model),
      on_double_click_(std::move(on_double_click)) {
    ::SetWindowSubclass(hwnd(), &TextViewBinding::subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

TextViewBinding::~TextViewBinding() {
    ::RemoveWindowSubclass(hwnd(), &TextViewBinding::subclass, 0);
}

LRESULT CALLBACK TextViewBinding::subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR, DWORD_PTR self) {
    auto* view = reinterpret_cast<TextViewBinding*>(self);
    if (message == WM_LBUTTONDBLCLK && view->on_double_click_) view->on_double_click_();
    return ::DefSubclassProc(window, message, wparam, lparam);
}

void TextViewBinding::sync() {
    sync_state(model_);
    // An edit box breaks lines at CR LF only.
    std::string text;
    for (char c : model_.caption) {
        if (c == '\n' && (text.empty() || text.back() != '\r')) text += '\r';
        text += c;
    }
    sync_text(text);
}

LabelBinding::LabelBinding(HWND parent, LogicalRect place, const ui::Label& model,
                           DWORD extra_style)
    : BoundControl(parent, WC_STATICW, SS_NOPREFIX | SS_CENTERIMAGE | extra_style, 0, place),
      model_(&model) {}

void LabelBinding::sync() {
    sync_state(*model_);
    sync_text(caption_.empty() ? model_->caption : caption_);
}

void LabelBinding::rebind(const ui::Label& model) {
    model_ = &model;
    forget_shown();
}

GroupBinding::GroupBinding(HWND parent, LogicalRect place, const ui::Label& model)
    : BoundControl(parent, WC_BUTTONW, BS_GROUPBOX, 0, place), model_(&model) {}

void GroupBinding::sync() {
    sync_state(*model_);
    sync_text(model_->caption);
}

void GroupBinding::rebind(const ui::Label& model) {
    model_ = &model;
    forget_shown();
}

ButtonBinding::ButtonBinding(HWND parent, LogicalRect place, const ui::ControlBase& model,
                             const std::string& caption, std::function<void()> on_click)
    : BoundControl(parent, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0, place),
      model_(&model),
      caption_(&caption),
      on_click_(std::move(on_click)) {}

void ButtonBinding::sync() {
    sync_state(*model_);
    sync_text(*caption_);
}

void ButtonBinding::notify(UINT code) {
    if (code == BN_CLICKED && on_click_) on_click_();
}

void ButtonBinding::rebind(const ui::ControlBase& model, const std::string& caption) {
    model_ = &model;
    caption_ = &caption;
    forget_shown();
}

SliderBinding::SliderBinding(HWND parent, LogicalRect place, ui::Slider& model,
                             std::function<void()> on_scroll)
    : BoundControl(parent, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP, 0, place),
      model_(model),
      on_scroll_(std::move(on_scroll)) {
    ::SendMessageW(hwnd(), TBM_SETRANGEMIN, FALSE, model.min());
    ::SendMessageW(hwnd(), TBM_SETRANGEMAX, TRUE, model.max());
    ::SendMessageW(hwnd(), TBM_SETPAGESIZE, 0, (model.max() - model.min()) / 10);
}

void SliderBinding::sync() {
    sync_state(model_);
    if (shown_value_ == model_.value()) return;
    shown_value_ = model_.value();
    ::SendMessageW(hwnd(), TBM_SETPOS, TRUE, shown_value_);
}

void SliderBinding::notify(UINT code) {
    (void)code;
    shown_value_ = static_cast<int>(::SendMessageW(hwnd(), TBM_GETPOS, 0, 0));
    model_.set_value(shown_value_);
    if (on_scroll_) on_scroll_();
}

}  // namespace tockly::win32
