// The options page "设置选项": the eight option boxes, the hotkey list beside "播放提醒热键" and
// the two sliders beside the boxes they belong to.
#pragma once

#include <functional>

#include "tockly/model/reminder_settings.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

// What the page's model hears beyond the values themselves.
struct OptionsPageHandlers {
    // A scroll step of the opacity slider by the user.
    std::function<void()> opacity_scrolled;
    // A key pressed and released on the hotkey list.
    std::function<void()> hotkey_key_down;
    std::function<void()> hotkey_key_up;
};

void build_options_page(Panel& page, model::AppOptions& options,
                        const OptionsPageHandlers& handlers);

}  // namespace tockly::win32
