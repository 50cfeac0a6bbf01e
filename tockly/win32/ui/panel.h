// A plain child window that holds bound controls: it routes their notifications to the
// bindings, runs the sync pass after each input, lays them out at the window's DPI and paints
// the background the controls sit on.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "common/win32/unique_handle.h"
#include "tockly/win32/ui/bound_control.h"
#include "tockly/win32/ui/dpi.h"

namespace tockly::win32 {

class Panel {
  public:
    // `after_input` is the program's sync pass; `on_double_click` (optional) answers a
    // double-click on the panel's background.
    Panel(HWND parent, LogicalRect place, std::function<void()> after_input);
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    HWND hwnd() const { return window_.get(); }

    template <typename Binding, typename... Arguments>
    Binding& add(LogicalRect place, Arguments&&... arguments) {
        auto binding =
            std::make_unique<Binding>(hwnd(), place, std::forward<Arguments>(arguments)...);
        Binding& added = *binding;
        controls_.push_back(std::move(binding));
        return added;
    }

    // Places the panel at its logical place, or at `pixels` in the parent when given, and lays
    // out its controls.
    void layout(UINT dpi, HFONT font, const RECT* pixels = nullptr);
    void sync();
    void set_visible(bool visible);
    bool visible() const { return visible_; }
    // The sync pass, for bindings that take input of their own besides notifications.
    const std::function<void()>& after_input() const { return after_input_; }

    std::function<void()> on_double_click;
    // The mouse moved over the panel's background.
    std::function<void()> on_mouse_move;

    // The window's messages, through view_procedure.
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    static const wchar_t* window_class();

    LogicalRect place_;
    common::win32::UniqueWindow window_;
    std::vector<std::unique_ptr<BoundControl>> controls_;
    std::function<void()> after_input_;
    bool visible_ = true;
};

}  // namespace tockly::win32
