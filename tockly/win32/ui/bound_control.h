// Windows controls bound two-way to the portable model's controls: a user's change goes to the
// model at once, and sync() shows whatever the model holds now (after loading, a cascade or a
// tick), touching the window only where something changed. A box the user is typing in is
// never rewritten under the caret: it shows the page's correction of the text when it loses the
// focus (so before any save, which takes the focus to a button or a dialog) and on Enter.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/win32/unique_handle.h"
#include "tockly/ui/controls.h"
#include "tockly/win32/ui/dpi.h"

namespace tockly::win32 {

class BoundControl {
  public:
    BoundControl(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style,
                 LogicalRect place);
    virtual ~BoundControl();
    BoundControl(const BoundControl&) = delete;
    BoundControl& operator=(const BoundControl&) = delete;

    HWND hwnd() const { return window_.get(); }
    // Moves the control to its place at `dpi` and gives it the font.
    virtual void layout(UINT dpi, HFONT font);
    virtual void sync() = 0;
    // Shows what the model holds, even in a box the user is typing in.
    virtual void show_model() { sync(); }
    // A notification the control sent its parent (WM_COMMAND or WM_HSCROLL code).
    virtual void notify(UINT code) { (void)code; }
    // Draws an owner-drawn control (WM_DRAWITEM to its parent).
    virtual void draw(const DRAWITEMSTRUCT& item) { (void)item; }
    // A WM_NOTIFY the control sent its parent (list views), answered with 0; true when it
    // carried the user's input, after which the sync pass runs. Painting and the control's
    // own bookkeeping notify too, and run nothing.
    virtual bool notify_message(const NMHDR& header) {
        (void)header;
        return false;
    }
    // The binding that owns a child window, if any.
    static BoundControl* of(HWND window);

  protected:
    void sync_state(const ui::ControlBase& model);
    void sync_text(const std::string& utf8);
    void sync_tooltip(const std::string& utf8);
    // Forgets what was shown, so that the next sync writes everything (a new model behind).
    void forget_shown();
    const LogicalRect& place() const { return place_; }
    // Gives the control `height` pixels, centred in the height of its place.
    void center_in_row(int height, UINT dpi);
    // The keyboard focus is in the control (or in the edit part of a combo box).
    bool has_focus() const;
    // Enter in `edit` shows the model's text there (show_model) instead of going to the window.
    void show_model_on_enter(HWND edit);

  private:
    static LRESULT CALLBACK enter_subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR id, DWORD_PTR self);

    LogicalRect place_;
    common::win32::UniqueWindow window_;
    HWND enter_edit_ = nullptr;
    std::wstring shown_text_;
    std::wstring shown_tooltip_;
    bool text_shown_ = false;
    int shown_enabled_ = -1;
    int shown_visible_ = -1;
};

// A check box; the model decides its state, so a click only asks the model to toggle.
class CheckBinding : public BoundControl {
  public:
    CheckBinding(HWND parent, LogicalRect place, ui::CheckBox& model);
    void sync() override;
    void notify(UINT code) override;
    void rebind(ui::CheckBox& model, std::string caption = {});
    // A caption of the view's own, for a model check box that has none.
    void set_caption(std::string caption) { caption_ = std::move(caption); }

  private:
    ui::CheckBox* model_;
    std::string caption_;
    int shown_value_ = -1;
};

// A drop-down list; with `typed` its text can also be typed (the model then takes the text).
class ListBinding : public BoundControl {
  public:
    enum class Typing { kNone, kAllowed };
    ListBinding(HWND parent, LogicalRect place, ui::ListBox& model, Typing typing = Typing::kNone);
    void layout(UINT dpi, HFONT font) override;
    void sync() override;
    void show_model() override;
    void notify(UINT code) override;
    void rebind(ui::ListBox& model);
    // Keys pressed and released on the list, each before the list itself acts on it.
    void set_key_handlers(std::function<void()> key_down, std::function<void()> key_up);
    ~ListBinding() override;

  private:
    static LRESULT CALLBACK subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR self);
    void show(bool even_while_typing);

    ui::ListBox* model_;
    std::function<void()> key_down_;
    std::function<void()> key_up_;
    bool typed_;
    std::vector<std::string> shown_items_;
    int shown_index_ = -2;
    std::string shown_text_;
};

// A long read-only text (a page of instructions): scrollable, selectable, and announced by a
// screen reader like any edit box. A double-click on it goes to `on_double_click`.
class TextViewBinding : public BoundControl {
  public:
    TextViewBinding(HWND parent, LogicalRect place, const ui::Label& model,
                    std::function<void()> on_double_click);
    ~TextViewBinding() override;
    void sync() override;

  private:
    static LRESULT CALLBACK subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR self);

    const ui::Label& model_;
    std::function<void()> on_double_click_;
};

class TextBinding : public BoundControl {
  public:
    TextBinding(HWND parent, LogicalRect place, ui::TextBox& model, DWORD extra_style = 0);
    void layout(UINT dpi, HFONT font) override;
    void sync() override;
    void show_model() override;
    void notify(UINT code) override;
    void rebind(ui::TextBox& model);

  private:
    void show(bool even_while_typing);

    ui::TextBox* model_;
    std::string shown_;
    bool pushing_ = false;
};

class LabelBinding : public BoundControl {
  public:
    LabelBinding(HWND parent, LogicalRect place, const ui::Label& model, DWORD extra_style = 0);
    void sync() override;
    void rebind(const ui::Label& model);
    // Shows a part of the model's caption ("时" of "时        分") with the model's state.
    void set_caption(std::string caption) { caption_ = std::move(caption); }

  private:
    const ui::Label* model_;
    std::string caption_;
};

// A frame around a group of controls, its caption from the model.
class GroupBinding : public BoundControl {
  public:
    GroupBinding(HWND parent, LogicalRect place, const ui::Label& model);
    void sync() override;
    void rebind(const ui::Label& model);

  private:
    const ui::Label* model_;
};

// A push button; the caption may come from a label (a clickable label shown as a button, so
// that the keyboard reaches it).
class ButtonBinding : public BoundControl {
  public:
    ButtonBinding(HWND parent, LogicalRect place, const ui::ControlBase& model,
                  const std::string& caption, std::function<void()> on_click);
    ButtonBinding(HWND parent, LogicalRect place, const ui::Button& model,
                  std::function<void()> on_click)
        : ButtonBinding(parent, place, model, model.caption, std::move(on_click)) {}
    ButtonBinding(HWND parent, LogicalRect place, const ui::Label& model,
                  std::function<void()> on_click)
        : ButtonBinding(parent, place, model, model.caption, std::move(on_click)) {}
    void sync() override;
    void notify(UINT code) override;
    void rebind(const ui::ControlBase& model, const std::string& caption);

  private:
    const ui::ControlBase* model_;
    const std::string* caption_;
    std::function<void()> on_click_;
};

class SliderBinding : public BoundControl {
  public:
    // `on_scroll` (optional) hears each step the user scrolls, after the model took the value.
    SliderBinding(HWND parent, LogicalRect place, ui::Slider& model,
                  std::function<void()> on_scroll = {});
    void sync() override;
    void notify(UINT code) override;

  private:
    ui::Slider& model_;
    std::function<void()> on_scroll_;
    int shown_value_ = -1;
};

}  // namespace tockly::win32
