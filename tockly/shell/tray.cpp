#include "tockly/shell/tray.h"

#include "tockly/shell/site.h"

namespace tockly::shell {

void Tray::install() {
    installed_ = true;
    tip_ = s_.main.Tag();
    if (icon_) icon_->icon_changed(true, tip_);
}

void Tray::remove() {
    if (!installed_) return;
    installed_ = false;
    if (icon_) icon_->icon_changed(false, tip_);
}

void Tray::tip_changed(const std::string& tip) {
    tip_ = tip;
    if (installed_ && icon_) icon_->icon_changed(true, tip_);
}

void Tray::notice_posted(const std::string& text) {
    if (installed_ && icon_) icon_->balloon(text);
}

bool Tray::handle_message(int message, int mouse_event) {
    if (message != kTrayMessage) return false;
    if (mouse_event == kLeftButtonUp) {
        if (s_.main.WindowState() != kMinimised) return false;
        s_.main.restore();
        return true;
    }
    if (mouse_event == kRightButtonUp) {
        if (icon_) icon_->menu_requested();
        return true;
    }
    return false;
}

void Tray::wenjian1_Click(int index) {
    switch (index) {
        case tray_item::kAnnounceNow:
            if (s_.main.timers_enabled) s_.announcer.bofang_shijian(sound::announce::kCurrentTime);
            break;
        case tray_item::kPromptWindow:
            if (s_.prompt.visible())
                s_.prompt.close_request();
            else
                s_.prompt.show();
            break;
        case tray_item::kUpgrade:
            s_.browser.open_page(site::upgrade_page());
            break;
        case tray_item::kSettings:
            s_.main.restore();
            break;
        case tray_item::kTimeSync:
            s_.time_sync.run();
            break;
        case tray_item::kStopCustom:
            s_.announcer.bofang_shijian(sound::announce::kCustomCancelled);
            break;
        case tray_item::kNews:
            s_.news.show_news();
            break;
        case tray_item::kExit:
            if (exit_question_ && !exit_question_->may_quit()) break;
            s_.shared.shifouguanbi = model::kQuitting;
            s_.main.Unload();
            break;
        default:  // the separators and "什么都不做..."
            break;
    }
}

}  // namespace tockly::shell
