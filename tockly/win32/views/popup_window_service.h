// What the popup model asks of the real window, carried out on the popup view's window. The
// view creates its window when a page is first loaded into it; until then there is nothing to
// place, clip or drag.
#pragma once

#include <windows.h>

#include "tockly/win32/views/popup_window_view.h"
#include "tockly/windows/popup_window.h"

namespace tockly::win32 {

class PopupWindowServiceWin32 : public windows::PopupWindowService {
  public:
    explicit PopupWindowServiceWin32(PopupWindowView& view) : view_(view) {}

    void place_topmost(double left_twips, double top_twips) override;
    void set_region(int width, int top, int bottom) override;
    void free_region() override;
    void begin_title_drag() override;
    void navigate(const std::string& address) override { view_.open(address); }
    void set_visible(bool visible) override;

  private:
    PopupWindowView& view_;
};

}  // namespace tockly::win32
