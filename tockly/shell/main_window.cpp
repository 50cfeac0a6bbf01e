#include "tockly/shell/main_window.h"

namespace tockly::shell {

namespace {

const std::array<const char*, 15> kTrayMenu = {"现在报时(&B)",
                                               "-",
                                               "显示提示窗口(&K)",
                                               "软件升级(&S)",
                                               "-",
                                               "详细设置(&N)",
                                               "-",
                                               "与Internet进行对时(&W)",
                                               "-",
                                               "停止播放自定义MP3(&T)",
                                               "-",
                                               "显示新闻资讯(&X)",
                                               "什么都不做...",
                                               "-",
                                               "退出(&T)"};

const std::array<const char*, page::kCount> kPages = {"日期查询", "闹钟定时", "设置选项",
                                                      "使用说明", "声音征集", "定时一览"};

}  // namespace

MainWindow::MainWindow(model::SharedState& shared) : shared_(shared) {
    for (size_t i = 0; i < wenjian1.size(); ++i) wenjian1[i] = ui::MenuItem(kTrayMenu[i]);
    for (size_t i = 0; i < Frame3.size(); ++i) {
        Frame3[i] = ui::Frame(kPages[i]);
        TabStrip1.tabs.push_back({kPages[i], "xuanxiang" + std::to_string(i + 1)});
    }
}

void MainWindow::set_Tag(std::string text) {
    time_tip_ = std::move(text);
    update_tip();
}

void MainWindow::set_next_due_line(std::string line) {
    next_due_line_ = std::move(line);
    update_tip();
}

void MainWindow::update_tip() {
    std::string tip = next_due_line_.empty() ? time_tip_ : time_tip_ + "\n" + next_due_line_;
    if (tip == tag_) return;
    tag_ = std::move(tip);
    for (MainWindowObserver* observer : observers_) observer->tip_changed(tag_);
}

void MainWindow::show_notice(const std::string& text) {
    for (MainWindowObserver* observer : observers_) observer->notice_posted(text);
}

void MainWindow::set_WindowState(short state) {
    window_state_ = state;
    if (state == kMinimised) {
        visible = false;
        focused = false;
    }
}

void MainWindow::restore() {
    set_WindowState(LastState);
    visible = true;
    focused = true;
}

void MainWindow::TabStrip1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(TabStrip1.tabs.size())) return;
    TabStrip1.selected = index;
    // The key ends in the number of the page it shows.
    const std::string& key = TabStrip1.tabs[static_cast<size_t>(index)].key;
    const int shown = key.back() - '0' - 1;
    for (int i = 0; i < page::kCount; ++i) Frame3[static_cast<size_t>(i)].visible = i == shown;
}

void MainWindow::session_ending() {
    shared_.shifouguanbi = model::kQuitting;
    Unload();
}

void MainWindow::Unload() {
    if (shared_.shifouguanbi != model::kQuitting) {
        set_WindowState(kMinimised);
        return;
    }
    if (quitting_) return;
    quitting_ = true;
    if (quit_handler_) quit_handler_->quit();
    timers_enabled = false;
    visible = false;
    for (MainWindowObserver* observer : observers_) observer->quit_requested();
}

}  // namespace tockly::shell
