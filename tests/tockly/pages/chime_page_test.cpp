#include "tockly/pages/chime_page.h"

#include <gtest/gtest.h>

#include "tests/tockly/pages/pages_harness.h"

namespace tockly::testing {
namespace {

using Paths = std::vector<std::string>;

struct ChimePageTest : ::testing::Test, PagesHarness {
    // Puts hour clips of pack `name` in its folder, "7.mp3" style.
    void add_pack(const std::string& name, const std::vector<int>& hours) {
        for (int hour : hours)
            files.add_file("C:\\Tockly\\明星报时\\" + name + "\\" + std::to_string(hour) + ".mp3");
    }
    void choose_pack(const std::string& typed) {
        chime.zhengdian_shengyin_mingxing.set_text(typed);
    }

    pages::ChimePage& page = pages.chime_page;
    model::ChimeSettings& chime = app.settings.chime;
};

TEST_F(ChimePageTest, SwitchEnablesTheChimeControlsButNotThePackOnes) {
    const std::vector<ui::ControlBase*> chime_controls = {&page.Label2,
                                                          &chime.zhengdian_jiange,
                                                          &page.Label3,
                                                          &page.Label4[0],
                                                          &chime.zhengdian_wenzi,
                                                          &chime.zhengdian_xuan_shengyin,
                                                          &chime.zhengdian_shengyin,
                                                          &page.zhengdian_shiting,
                                                          &page.zhengdian_lab,
                                                          &chime.zhengdian_wenjian,
                                                          &page.zhengdian_liulan};
    for (int on : {1, 0}) {
        chime.zhengdian.set_value(on);
        for (ui::ControlBase* control : chime_controls) EXPECT_EQ(control->enabled, on == 1);
        EXPECT_TRUE(chime.zhengdian_mingxing.enabled);
        EXPECT_TRUE(chime.zhengdian_shengyin_mingxing.enabled);
        EXPECT_TRUE(page.Command5.enabled);
    }
}

TEST_F(ChimePageTest, IntervalIsAWholeNumberOfMinutesOrThirty) {
    const std::pair<const char*, const char*> cases[] = {
        {"12.7", "12"}, {"1", "1"},   {"7.9", "7"},
        {"5分", "5"},   {"0", "30"},  {"分钟", "30"},
        {"", "30"},     {"-5", "30"}, {"0.5", "30"},
        {" 45", "45"},  {"61", "61"}, {"100000000000000000000", "100000000000000000000"}};
    for (const auto& [typed, kept] : cases) {
        chime.zhengdian_jiange.set_text(typed);
        EXPECT_EQ(chime.zhengdian_jiange.text(), kept) << typed;
    }
}

TEST_F(ChimePageTest, SoundAndPackExcludeEachOtherAndSomethingStaysOn) {
    // Start state (text, sound, pack), the box set (0 text, 1 sound, 2 pack) and its value,
    // the state after.
    struct Case {
        std::array<int, 3> before;
        int box, value;
        std::array<int, 3> after;
    };
    const Case cases[] = {
        {{1, 1, 0}, 2, 1, {1, 0, 1}},  // the pack replaces the sound
        {{1, 0, 1}, 1, 1, {1, 1, 0}},  // the sound replaces the pack
        {{1, 0, 0}, 0, 0, {0, 1, 0}},  // no text, no pack: the sound comes on
        {{0, 1, 0}, 1, 0, {1, 0, 0}},  // no sound, no pack: the text comes on
        {{0, 0, 1}, 2, 0, {1, 0, 0}},  // no pack, no sound: the text comes on
        {{1, 0, 1}, 0, 0, {0, 0, 1}},  // the pack alone is enough
    };
    for (const Case& c : cases) {
        ui::CheckBox* boxes[] = {&chime.zhengdian_wenzi, &chime.zhengdian_xuan_shengyin,
                                 &chime.zhengdian_mingxing};
        for (int i = 0; i < 3; ++i) set_quietly(*boxes[i], c.before[i]);
        chime.zhengdian_jiange.set_text("15");
        boxes[c.box]->set_value(c.value);
        EXPECT_EQ((std::array<int, 3>{chime.zhengdian_wenzi.value(),
                                      chime.zhengdian_xuan_shengyin.value(),
                                      chime.zhengdian_mingxing.value()}),
                  c.after)
            << "box " << c.box << " set to " << c.value;
        const bool pack_ticked = c.box == 2 && c.value == 1;
        EXPECT_EQ(chime.zhengdian_jiange.text(), pack_ticked ? "60" : "15");
    }
}

TEST_F(ChimePageTest, BrowseWritesTheChosenFile) {
    dialog.answer = "D:\\music\\bell.wav";
    page.zhengdian_liulan_Click();
    EXPECT_EQ(chime.zhengdian_wenjian.text(), "D:\\music\\bell.wav");
}

TEST_F(ChimePageTest, PreviewPlaysTheSoundOrTheNextHourOfThePack) {
    chime.zhengdian_xuan_shengyin.set_value(1);
    chime.zhengdian_shengyin.set_list_index(3);
    page.zhengdian_shiting_Click();
    EXPECT_EQ(player2.played, Paths{clip("sy\\n3")});

    // At 14:20 a pack with hours 16 and 9 only plays 16, searching round midnight if need be.
    clock.set_time(14, 20, 0);
    add_pack("Korvane", {16, 9});
    choose_pack("Korvane");
    chime.zhengdian_mingxing.set_value(1);
    page.zhengdian_shiting_Click();
    clock.set_time(17, 0, 0);
    page.zhengdian_shiting_Click();
    EXPECT_EQ(player2.played, (Paths{clip("sy\\n3"), clip("明星报时\\Korvane\\16.mp3"),
                                     clip("明星报时\\Korvane\\9.mp3")}));
    EXPECT_TRUE(player1.played.empty());

    choose_pack("Nobody");
    page.zhengdian_shiting_Click();
    EXPECT_EQ(player2.played.size(), 3u);
}

TEST_F(ChimePageTest, PackCheckListsTheMissingHours) {
    std::vector<int> all(24);
    for (int h = 0; h < 24; ++h) all[static_cast<size_t>(h)] = h;
    add_pack("Korvane", all);
    std::vector<int> gaps;
    for (int h = 1; h < 24; ++h)
        if (h != 3 && h != 15) gaps.push_back(h);
    add_pack("Lin", gaps);
    files.add_file("C:\\Tockly\\明星报时\\Lin\\24.mp3");  // counts for hour 0
    // Clips a typed path would reach if it were followed.
    for (const char* outside : {"..\\Outside", "Korvane/.."}) add_pack(outside, all);

    const std::string every_hour = " 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23";
    const std::pair<const char*, std::string> cases[] = {
        {"Korvane", "“Korvane”24个报时文件 完整!"},
        {"Lin", "“Lin”报时文件 不完整，缺少的报时文件为： 3 15"},
        {"Missing", "“Missing”报时文件 不完整，缺少的报时文件为：" + every_hour},
        {"Korvane/..", "“Korvane/..”报时文件 不完整，缺少的报时文件为：" + every_hour},
        {"..\\Outside", "“..\\Outside”报时文件 不完整，缺少的报时文件为：" + every_hour},
    };
    for (const auto& [pack, text] : cases) {
        choose_pack(pack);
        page.Command5_Click();
        ASSERT_FALSE(message_box.shown.empty());
        EXPECT_EQ(message_box.shown.back().text, text);
        EXPECT_EQ(message_box.shown.back().buttons, platform::message_box::kOkOnly);
        EXPECT_EQ(message_box.shown.back().title, "Tockly 1.00");
    }
}

TEST_F(ChimePageTest, ChimeNeverPlaysAPackOutsideTheVoicePackFolder) {
    files.add_file("C:\\Tockly\\明星报时\\..\\Outside\\7.mp3");
    chime.zhengdian.set_value(1);
    chime.zhengdian_mingxing.set_value(1);
    choose_pack("..\\Outside");
    clock.set_time(6, 59, 59.9);
    run(0.2);
    EXPECT_EQ(observer.events, std::vector<std::string>{"fire chime"});
    EXPECT_TRUE(player1.played.empty());
}

}  // namespace
}  // namespace tockly::testing
