#include "tockly/windows/popup_window.h"

#include <cmath>

namespace tockly::windows {

int PopupWindow::width_px() const {
    return static_cast<int>(std::lround(Width / screen_.twips_per_pixel_x()));
}

int PopupWindow::height_px() const {
    return static_cast<int>(std::lround(Height / screen_.twips_per_pixel_y()));
}

void PopupWindow::show_band() {
    service_.set_region(width_px(), edge_ < 0 ? 0 : edge_, height_px());
}

void PopupWindow::open() {
    if (open_) return;
    open_ = true;
    // The band below the work area is the task bar when it sits at the bottom; at the top or a
    // side it is empty and the window sits in the bottom right corner.
    const platform::TwipsRect work = screen_.work_area_twips();
    double band = screen_.height_twips() - work.bottom;
    if (band < 0) band = 0;
    Left = screen_.width_twips() - Width;
    Top = screen_.height_twips() - Height - band;
    service_.place_topmost(Left, Top);
    edge_ = height_px() - 1;
    show_band();
    timer_enabled_ = true;
    browser_width = page_frame_width + 400;
    browser_height = page_frame_height + 400;
}

void PopupWindow::show() {
    if (!open_) open();
    if (visible_) return;
    visible_ = true;
    service_.set_visible(true);
}

void PopupWindow::Timer1_Timer() {
    if (!timer_enabled_) return;
    edge_ -= kRevealStep;
    if (edge_ < 1) timer_enabled_ = false;
    show_band();
}

void PopupWindow::Label2_MouseDown(int button) {
    if (button == kMouseLeftButton) service_.begin_title_drag();
}

void PopupWindow::close() {
    if (!open_) return;
    service_.free_region();
    service_.set_visible(false);
    open_ = false;
    visible_ = false;
    timer_enabled_ = false;
    LocationURL.clear();
}

void PopupWindow::navigate(const std::string& address) {
    if (!open_) open();
    LocationURL = address;
    service_.navigate(address);
}

}  // namespace tockly::windows
