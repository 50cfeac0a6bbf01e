#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app_harness.h"
#include "tockly/settings/ansi_codec.h"
#include "tockly/settings/settings_file.h"

namespace tockly::testing {
namespace {

using shell::kMinimised;

// A settings file whose lines are all empty except the ones given.
void write_settings(AppHarness& h, std::initializer_list<std::pair<int, std::string>> lines) {
    std::string text;
    for (int line = 1; line <= 519; ++line) {
        for (const auto& [number, value] : lines)
            if (number == line) text += value;
        text += "\r\n";
    }
    h.files.add_file(h.files.folder + "\\数据库", settings_file::utf8_to_ansi(text));
}

TEST(StartUp, AnotherCopyEndsAtOnceWithNothingReadAndNoIcon) {
    AppHarness h;
    write_settings(h, {{1, "1"}});
    h.single_instance.another = true;
    EXPECT_FALSE(h.app.start_up());
    EXPECT_EQ(h.app.Form1.Caption, "Tockly 1.00");
    EXPECT_EQ(h.app.settings.chime.zhengdian.value(), 0);
    EXPECT_FALSE(h.app.tray.installed());
    EXPECT_FALSE(h.app.Form1.visible);
}

TEST(StartUp, LeavesTheDateLookupPageAloneInFrontAndTheIconWithTheTip) {
    AppHarness h;
    h.app.Form1.Frame3[1].Left = 120;
    h.app.Form1.Frame3[1].Top = 480;
    h.app.Timer2_Timer();
    ASSERT_TRUE(h.app.start_up());
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(h.app.Form1.Frame3[i].visible, i == 0) << i;
        EXPECT_EQ(std::pair(h.app.Form1.Frame3[i].Left, h.app.Form1.Frame3[i].Top),
                  std::pair(120.0, 480.0));
    }
    EXPECT_FALSE(h.app.Form1.wenjian.visible);
    EXPECT_TRUE(h.app.tray.installed());
    EXPECT_EQ(h.app.tray.tip(), h.app.Form1.Tag());
    EXPECT_EQ(h.calendar.value, common::OleDate::from_ymd(2026, 12, 7));
    EXPECT_TRUE(h.app.Form1.timers_enabled);
}

TEST(StartUp, MinimisedAndPromptOptions) {
    struct Case {
        const char* minimised;
        const char* prompt;
        bool window_shown;
        bool prompt_shown;
    };
    for (const Case& c :
         {Case{"0", "0", true, false}, Case{"1", "1", false, true}, Case{"1", "0", false, false}}) {
        AppHarness h;
        write_settings(h, {{410, c.minimised}, {413, c.prompt}});
        h.app.start_up();
        EXPECT_EQ(h.app.Form1.visible, c.window_shown) << c.minimised;
        EXPECT_EQ(h.app.Form2.visible(), c.prompt_shown) << c.prompt;
        EXPECT_EQ(h.app.Form1.LastState, shell::kNormal) << c.minimised;
        EXPECT_TRUE(h.app.tray.installed());
    }
}

TEST(StartUp, RecordsAMaximisedWindowAsTheStateToComeBackTo) {
    AppHarness h;
    h.app.Form1.set_WindowState(shell::kMaximised);
    h.app.start_up();
    h.app.Form1.set_WindowState(kMinimised);
    h.app.tray.handle_message(shell::kTrayMessage, shell::kLeftButtonUp);
    EXPECT_EQ(h.app.Form1.WindowState(), shell::kMaximised);
}

TEST(StartUp, LoadingTheAutoStartOptionWritesTheRunValueAgain) {
    AppHarness h;
    h.files.folder = "D:\\Moved\\Tockly";
    write_settings(h, {{409, "1"}});
    h.app.start_up();
    const std::pair<std::string, std::string> run_value{pages::kRunKey, "Tockly"};
    EXPECT_EQ(h.registry.values[run_value], "\"D:\\Moved\\Tockly\\Tockly.exe\"");
}

TEST(StartUp, RemovesTheTemporaryFileOfAKilledSave) {
    AppHarness h;
    write_settings(h, {{1, "1"}});
    h.files.add_file(h.files.folder + "\\数据库.tmp", "half a file");
    h.app.start_up();
    EXPECT_FALSE(h.files.file_exists(h.files.folder + "\\数据库.tmp"));
    EXPECT_EQ(h.app.settings.chime.zhengdian.value(), 1);
}

TEST(Closing, TheCloseButtonOnlyHidesAndRemindersGoOn) {
    AppHarness h;
    h.app.start_up();
    h.app.Form1.Unload();
    EXPECT_FALSE(h.app.Form1.visible);
    EXPECT_EQ(h.app.Form1.WindowState(), kMinimised);
    EXPECT_FALSE(h.app.Form1.quitting());
    EXPECT_TRUE(h.app.tray.installed());
    h.set_alarm(1, 8, 1);
    h.run(61);
    EXPECT_EQ(h.observer.count("fire slot 1"), 1);
}

TEST(Closing, QuitRemovesTheIconClosesThePromptAndReleasesTheHookWithTheHotkeyOption) {
    for (int hotkey : {0, 1}) {
        AppHarness h;
        h.app.start_up();
        h.app.settings.options.Check3[model::option::kHotkeyActive].set_value(hotkey);
        h.app.Form2.show();
        h.app.tray.wenjian1_Click(shell::tray_item::kExit);
        EXPECT_EQ(h.keyboard_hook.releases, hotkey);
        EXPECT_FALSE(h.app.tray.installed());
        EXPECT_FALSE(h.app.Form2.visible());
        EXPECT_FALSE(h.app.Form1.timers_enabled);
        EXPECT_EQ(h.observer.events, std::vector<std::string>{"quit"});
    }
}

// What the user did before 退出(&T), and how the quit came out.
struct QuitCase {
    const char* what;
    std::function<void(AppHarness&)> before;
    std::vector<int> answers;  // to the message boxes, in order
    bool asked;
    bool quits;
    bool text_in_file;  // the edited text reached 数据库
};

TEST(Closing, QuittingAsksAboutSettingsThatDifferFromTheFileAndDoesAsAnswered) {
    namespace mb = platform::message_box;
    const auto edit = [](AppHarness& h) { h.slot(1).dingshi_text.set_text("改过的提示"); };
    const std::vector<QuitCase> cases = {
        {"nothing edited", [](AppHarness&) {}, {}, false, true, false},
        {"an edit undone",
         [&](AppHarness& h) {
             const std::string before = h.slot(1).dingshi_text.text();
             edit(h);
             h.slot(1).dingshi_text.set_text(before);
         },
         {},
         false,
         true,
         false},
        {"取消 stays", edit, {mb::kAnswerCancel}, true, false, false},
        {"否 quits without saving", edit, {mb::kAnswerNo}, true, true, false},
        {"是 saves without asking again, then quits",
         edit,
         {mb::kAnswerYes, mb::kAnswerOk},
         true,
         true,
         true},
        {"是 with a file that cannot be written stays",
         [&](AppHarness& h) {
             edit(h);
             h.files.writable = false;
         },
         {mb::kAnswerYes, mb::kAnswerOk},
         true,
         false,
         false},
        {"saved with 保存设置 before",
         [&](AppHarness& h) {
             edit(h);
             h.app.Command1_Click();
             h.message_box.shown.clear();
         },
         {mb::kAnswerYes, mb::kAnswerOk},
         false,
         true,
         true},
    };
    for (const QuitCase& c : cases) {
        AppHarness h;
        h.app.start_up();
        c.before(h);
        h.message_box.answers.assign(c.answers.begin(), c.answers.end());
        h.app.tray.wenjian1_Click(shell::tray_item::kExit);
        const auto& shown = h.message_box.shown;
        EXPECT_EQ(!shown.empty() && shown[0].text == shell::kUnsavedQuestion, c.asked) << c.what;
        if (c.asked) {
            EXPECT_EQ(shown[0].buttons, mb::kYesNoCancel) << c.what;
        }
        for (const auto& box : shown) EXPECT_NE(box.text, settings_file::kSaveQuestion) << c.what;
        EXPECT_EQ(h.app.Form1.quitting(), c.quits) << c.what;
        EXPECT_EQ(h.app.tray.installed(), !c.quits) << c.what;
        const auto file = h.files.read_file(h.files.folder + "\\数据库");
        const bool text_in_file =
            file && file->find(settings_file::utf8_to_ansi("改过的提示")) != std::string::npos;
        EXPECT_EQ(text_in_file, c.text_in_file) << c.what;
    }
}

TEST(Closing, WindowsEndingTheSessionAsksNothing) {
    AppHarness h;
    h.app.start_up();
    h.slot(1).dingshi_text.set_text("改过的提示");
    h.app.Form1.session_ending();
    EXPECT_TRUE(h.message_box.shown.empty());
    EXPECT_TRUE(h.app.Form1.quitting());
}

}  // namespace
}  // namespace tockly::testing

namespace tockly::testing {
namespace {

TEST(MainWindow, EachTabShowsItsOwnPageAlone) {
    AppHarness h;
    const char* captions[] = {"日期查询", "闹钟定时", "设置选项",
                              "使用说明", "声音征集", "定时一览"};
    for (int tab = 0; tab < 6; ++tab) {
        EXPECT_EQ(h.app.Form1.TabStrip1.tabs[tab].caption, captions[tab]);
        EXPECT_EQ(h.app.Form1.TabStrip1.tabs[tab].key, "xuanxiang" + std::to_string(tab + 1));
        h.app.Form1.TabStrip1_Click(tab);
        for (int frame = 0; frame < 6; ++frame)
            EXPECT_EQ(h.app.Form1.Frame3[frame].visible, frame == tab) << tab;
    }
}

TEST(MainWindow, SaveButtonSavesUnderTheProgramsTitle) {
    AppHarness h;
    EXPECT_EQ(h.app.Form1.Command1.caption, "保存设置");
    h.app.Command1_Click();
    ASSERT_EQ(h.message_box.shown.size(), 2u);
    EXPECT_EQ(h.message_box.shown[0].title, "Tockly 1.00");
    EXPECT_TRUE(h.files.files.count("C:\\Tockly\\数据库"));
}

}  // namespace
}  // namespace tockly::testing
