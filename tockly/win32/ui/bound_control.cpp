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

BoundControl::~BoundControl() {
    if (enter_edit_) ::RemoveWindowSubclass(enter_edit_, &BoundControl::enter_subclass, 0);
}

bool BoundControl::has_focus() const {
    const HWND focus = ::GetFocus();
    return focus && (focus == hwnd() || ::IsChild(hwnd(), focus));
}

void BoundControl::show_model_on_enter(HWND edit) {
    if (!edit) return;
    enter_edit_ = edit;
    ::SetWindowSubclass(edit, &BoundControl::enter_subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK BoundControl::enter_subclass(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam, UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<BoundControl*>(self);
    // An open drop-down list takes Enter as its choice, as it always does.
    const bool list_open =
        window != control->hwnd() && ::SendMessageW(control->hwnd(), CB_GETDROPPEDSTATE, 0, 0);
    const auto* key = reinterpret_cast<const MSG*>(lparam);
    switch (message) {
        case WM_GETDLGCODE:
            // Without this the dialog manager turns Enter into a command for the window.
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN && !list_open)
                return ::DefSubclassProc(window, message, wparam, lparam) | DLGC_WANTMESSAGE;
            break;
        case WM_KEYDOWN:
            if (wparam == VK_RETURN && !list_open) {
                control->show_model();
                return 0;
            }
            break;
        case WM_CHAR:
            // A one-line box would only beep at it.
            if (wparam == VK_RETURN && !list_open) return 0;
            break;
        default:
            break;
    }
    return ::DefSubclassProc(window, message, wparam, lparam);
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
      typed_(typing == Typing::kAllowed) {
    if (!typed_) return;
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (::GetComboBoxInfo(hwnd(), &parts)) show_model_on_enter(parts.hwndItem);
}

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
    show(false);
}

void ListBinding::show_model() {
    show(true);
}

void ListBinding::show(bool even_while_typing) {
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
    if (typed_ && has_focus() && !even_while_typing) return;
    if (shown_index_ != model_->list_index()) {
        shown_index_ = model_->list_index();
        // Choosing nothing empties the edit part too; the typed text is shown again below.
        ::SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(shown_index_), 0);
        shown_text_ = shown_index_ >= 0 ? model_->text() : std::string();
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
        // Typing gives up the choice in the model as it does in the control: nothing to show.
        shown_index_ = model_->list_index();
    } else if (code == CBN_KILLFOCUS) {
        show_model();
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
    // Another model's text is no typing of the user's, focus or not.
    show_model();
}

TextBinding::TextBinding(HWND parent, LogicalRect place, ui::TextBox& model, DWORD extra_style)
    : BoundControl(parent, WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP | extra_style, WS_EX_CLIENTEDGE,
                   place),
      model_(&model) {
    if (!(extra_style & ES_MULTILINE)) show_model_on_enter(hwnd());
}

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
    show(false);
}

void TextBinding::show_model() {
    show(true);
}

void TextBinding::show(bool even_while_typing) {
    sync_state(*model_);
    if (model_->text() == shown_) return;
    if (has_focus() && !even_while_typing) return;
    shown_ = model_->text();
    pushing_ = true;
    ::SetWindowTextW(hwnd(), utf16_from_utf8(shown_).c_str());
    pushing_ = false;
    // The user goes on typing after the corrected text, not before it.
    const int end = ::GetWindowTextLengthW(hwnd());
    ::SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(end), end);
}

void TextBinding::notify(UINT code) {
    if (code == EN_KILLFOCUS) show_model();
    if (code != EN_CHANGE || pushing_) return;
    shown_ = utf8_from_utf16(window_text(hwnd()));
    model_->set_text(shown_);
}

void TextBinding::rebind(ui::TextBox& model) {
    model_ = &model;
    // Another model's text is no typing of the user's, focus or not.
    shown_ = model_->text();
    forget_shown();
    pushing_ = true;
    ::SetWindowTextW(hwnd(), utf16_from_utf8(shown_).c_str());
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
    // A frame paints only its rim and caption, so the panel must paint what lies inside it: a
    // transparent window is left out of the clipping of a parent that clips its children, and
    // a page shown over another leaves none of the other's pixels in the frame.
    : BoundControl(parent, WC_BUTTONW, BS_GROUPBOX, WS_EX_TRANSPARENT, place), model_(&model) {}

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
