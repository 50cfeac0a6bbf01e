// The options page "设置选项": the eight option boxes, the hotkey list beside "播放提醒热键" and
// the two sliders beside the boxes they belong to.
#pragma once

#include "tockly/model/reminder_settings.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

void build_options_page(Panel& page, model::AppOptions& options);

}  // namespace tockly::win32
