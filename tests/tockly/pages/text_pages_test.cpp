#include "tockly/pages/text_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tockly/pages/pages_harness.h"

namespace tockly::testing {
namespace {

TEST(TextPages, VoiceCollectionAsksForEveryClipUnderTheNote) {
    const std::string text = pages::voice_collection_text();
    const size_t note = text.find("注意：“2”不要读“二”，要读“两”");
    ASSERT_NE(note, std::string::npos);
    // Clip and phrase, in the order of the list.
    const char* expected[] = {"sy\\s0z  现在时间0点整",
                              "sy\\s23z  现在时间23点整",
                              "sy\\s0  现在时间0点",
                              "sy\\s23  现在时间23点",
                              "sy\\f1  01分",
                              "sy\\f59  59分",
                              "sy\\ds  您的定时到了",
                              "sy\\g3  3分钟后将关闭计算机",
                              "sy\\g1  1分钟后将关闭计算机",
                              "sy\\g0  关闭计算机 倒计时 10 9 8 7 6 5 4 3 2 1 关机",
                              "sy\\qx  定时关机被取消   Tockly竭诚为您服务"};
    size_t at = note;
    for (const char* line : expected) {
        const size_t found = text.find(std::string(line) + "\n", at);
        ASSERT_NE(found, std::string::npos) << line;
        at = found;
    }
    // The note's line and a blank one, then one line per clip.
    EXPECT_EQ(std::count(text.begin() + static_cast<long>(note), text.end(), '\n'),
              2 + 24 + 24 + 59 + 1 + 3 + 1 + 1);
}

TEST(TextPages, InstructionsCoverEveryPartOfTheProgram) {
    const std::string text = pages::instructions_text();
    for (const char* topic :
         {"启用定时", "全部", "定时日期选择", "自定义日期", "启用定时关机", "点击取消关机",
          "启用整点报时", "明星报时", "查看文件", "24.mp3", "透明度10%", "关闭提示窗口(&G)",
          "播放提醒热键", "保存设置", "数据库", "Internet对时", "管理员权限", "退出(&T)"}) {
        EXPECT_NE(text.find(topic), std::string::npos) << topic;
    }
}

TEST(TextPages, DoubleClickAnnouncesTheTimeUntilTheProgramQuits) {
    PagesHarness h;
    for (pages::TextPage* page : {&h.pages.instructions, &h.pages.voice_collection}) {
        h.player1.played.clear();
        page->Label7_DblClick();
        EXPECT_EQ(h.player1.played, std::vector<std::string>{h.clip("sy\\s8z")});
    }
    h.app.shared.shifouguanbi = model::kQuitting;
    h.app.Form1.Unload();
    h.player1.played.clear();
    h.pages.instructions.Label7_DblClick();
    EXPECT_TRUE(h.player1.played.empty());
}

}  // namespace
}  // namespace tockly::testing
