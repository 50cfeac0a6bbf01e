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

}  // namespace

MainWindow::MainWindow(model::SharedState& shared) : shared_(shared) {
    for (size_t i = 0; i < wenjian1.size(); ++i) wenjian1[i] = ui::MenuItem(kTrayMenu[i]);
}

void MainWindow::set_Tag(std::string text) {
    if (text == tag_) return;
    tag_ = std::move(text);
    if (observer_) observer_->tip_changed(tag_);
}

void MainWindow::Unload() {
    if (shared_.shifouguanbi != model::kQuitting) {
        visible = false;
        return;
    }
    if (quitting_) return;
    quitting_ = true;
    visible = false;
    if (observer_) observer_->quit_requested();
}

}  // namespace tockly::shell
