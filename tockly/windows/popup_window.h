#pragma once

// The popup window (form_tan) as a model: it rises out of the task bar at the bottom right of
// the screen, ten pixel rows per 10 ms tick, shows a web page in its browser, moves when its
// title strip is dragged with the left button and frees its window region when it closes. What
// it needs of the real window it asks of a platform::PopupWindowService.

#include <string>

#include "tockly/platform/popup_window_service.h"
#include "tockly/platform/screen.h"
#include "tockly/ui/controls.h"

namespace tockly::windows {

inline constexpr int kMouseLeftButton = 1;
inline constexpr int kMouseRightButton = 2;

class PopupWindow {
  public:
    PopupWindow(platform::Screen& screen, platform::PopupWindowService& service)
        : screen_(screen), service_(service) {}

    // Creates the window (when it is not open) and starts its reveal; an open window is left as
    // it is.
    void open();
    void show();
    // The reveal timer's tick (every 10 ms while it runs).
    void Timer1_Timer();
    // Mouse button pressed on the title strip.
    void Label2_MouseDown(int button);
    // The close box, or the window closed in any other way.
    void close();
    // Loads a page into the browser.
    void navigate(const std::string& address);
    // The view reports each page the browser shows (the user may follow links).
    void location_changed(std::string address) { LocationURL = std::move(address); }

    bool is_open() const { return open_; }
    bool visible() const { return visible_; }
    bool revealing() const { return timer_enabled_; }
    // The upper edge of the visible band, in pixels from the window's top.
    int reveal_edge() const { return edge_; }

    ui::Label Label2{"  新闻资讯"};
    ui::Label Label1;  // the close box
    // What the browser shows.
    std::string LocationURL;
    // Window size in twips: the background picture's.
    double Width = kPictureWidth;
    double Height = kPictureHeight;
    static constexpr double kPictureWidth = 300 * 15;
    static constexpr double kPictureHeight = 260 * 15;
    // The page frame and the browser inside it, twips; the browser is 400 twips larger.
    double page_frame_width = 4200;
    double page_frame_height = 3300;
    double browser_width = 0;
    double browser_height = 0;
    // Position in twips, as placed when it opened.
    double Left = 0;
    double Top = 0;

    static constexpr int kRevealStep = 10;
    static constexpr int kRevealIntervalMs = 10;

  private:
    int width_px() const;
    int height_px() const;
    void show_band();

    platform::Screen& screen_;
    platform::PopupWindowService& service_;
    bool open_ = false;
    bool visible_ = false;
    bool timer_enabled_ = false;
    int edge_ = 0;
};

}  // namespace tockly::windows
