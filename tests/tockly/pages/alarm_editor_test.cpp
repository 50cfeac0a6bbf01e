#include "tockly/pages/alarm_editor.h"

#include <gtest/gtest.h>

#include "tests/tockly/pages/pages_harness.h"

namespace tockly::testing {
namespace {

using Paths = std::vector<std::string>;

struct AlarmEditorTest : ::testing::Test, PagesHarness {
    AlarmEditorTest() { volume.word = 0x4CCC4CCC; }
    pages::AlarmEditor& editor = pages.alarm_editor;
    model::AlarmSlot& s = slot(7);
    pages::SlotPage& page = editor.pages[6];
};

TEST_F(AlarmEditorTest, SlotSwitchEnablesItsEditingControlsOnly) {
    const std::vector<ui::ControlBase*> editing = {
        &s.dingshi_shi,    &s.dingshi_fen,           &page.Label1,         &s.dingshi_guanji,
        &s.dingshi_wenzi,  &s.dingshi_xuan_shengyin, &s.dingshi_shengyin,  &page.dingshi_shiting,
        &page.dingshi_lab, &s.dingshi_wenjian,       &page.dingshi_liulan, &s.dingshi_riqi,
        &s.dingshi_text};
    for (int on : {1, 0}) {
        s.dingshi.set_value(on);
        for (ui::ControlBase* control : editing) EXPECT_EQ(control->enabled, on == 1);
        EXPECT_TRUE(s.dingshi.enabled);
        EXPECT_FALSE(slot(8).dingshi_text.enabled);
    }
    EXPECT_EQ(page.Frame2.caption, "定时 7");
}

// Start state (shutdown, text, sound), the box clicked and its new value, the state after.
struct Consistency {
    std::array<int, 3> before;
    int box;  // 0 shutdown, 1 text, 2 sound
    int value;
    std::array<int, 3> after;
};

TEST_F(AlarmEditorTest, ReactionsKeepTextWithShutdownAndTextOrSound) {
    const Consistency cases[] = {
        {{0, 0, 0}, 0, 1, {1, 1, 1}},  // shutdown ticks text and sound
        {{1, 1, 1}, 1, 0, {1, 1, 1}},  // text cannot go while shutdown is on
        {{0, 1, 0}, 1, 0, {0, 0, 1}},  // no text: sound comes on
        {{0, 0, 1}, 2, 0, {0, 1, 0}},  // no sound: text comes on
        {{1, 1, 1}, 2, 0, {1, 1, 0}},  // shutdown with text needs no sound
        {{1, 1, 1}, 0, 0, {0, 1, 1}},  // unticking shutdown changes nothing else
    };
    for (const Consistency& c : cases) {
        ui::CheckBox* boxes[] = {&s.dingshi_guanji, &s.dingshi_wenzi, &s.dingshi_xuan_shengyin};
        for (int i = 0; i < 3; ++i) set_quietly(*boxes[i], c.before[i]);
        boxes[c.box]->set_value(c.value);
        EXPECT_EQ((std::array<int, 3>{s.dingshi_guanji.value(), s.dingshi_wenzi.value(),
                                      s.dingshi_xuan_shengyin.value()}),
                  c.after)
            << "box " << c.box << " set to " << c.value;
    }
}

TEST_F(AlarmEditorTest, HourChangeDropsTheMinuteHighlightButKeepsTheMinute) {
    s.dingshi_fen.set_list_index(30);
    s.dingshi_fen.selection_start = 1;
    s.dingshi_fen.selection_length = 2;
    s.dingshi_shi.set_list_index(6);
    EXPECT_EQ(s.dingshi_fen.selection_start, 0);
    EXPECT_EQ(s.dingshi_fen.selection_length, 0);
    EXPECT_EQ(s.dingshi_fen.list_index(), 30);
}

TEST_F(AlarmEditorTest, BrowseOffersSoundFilesThenAllFilesAndCancelWritesNothing) {
    dialog.answer = "D:\\music\\wake.mp3";
    editor.dingshi_liulan_Click(6);
    EXPECT_EQ(s.dingshi_wenjian.text(), "D:\\music\\wake.mp3");
    ASSERT_EQ(dialog.asked.size(), 1u);
    const auto& filters = dialog.asked[0];
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].name + "|" + filters[0].patterns + "|" + filters[1].name + "|" +
                  filters[1].patterns,
              "声音文件| *.wav;*.mp3;*.mid|所有文件(*.*)|*.*");

    dialog.answer.reset();
    editor.dingshi_liulan_Click(7);
    editor.dingshi_liulan_Click(6);
    EXPECT_EQ(slot(8).dingshi_wenjian.text(), "");
    EXPECT_EQ(s.dingshi_wenjian.text(), "D:\\music\\wake.mp3");
}

TEST_F(AlarmEditorTest, PreviewPlaysTheChosenSound) {
    clock.set_time(14, 7, 30);
    s.dingshi_shengyin.set_list_index(0);
    editor.dingshi_shiting_Click(6);
    EXPECT_EQ(player1.played, (Paths{clip("sy\\s14")}));  // an announcement, on Mp3Play1

    s.dingshi_shengyin.set_list_index(2);
    editor.dingshi_shiting_Click(6);
    EXPECT_EQ(player2.played, (Paths{clip("sy\\n2")}));
    EXPECT_EQ(app.sound.Mp3Play2.Tag, "");
    EXPECT_EQ(volume.word, 0xFFFFFFFFu);  // the slider's 100 %
}

TEST_F(AlarmEditorTest, OwnFilePreviewFallsBackToTheProgramFolderAndMarksThePlayer) {
    player2.clip_length = [](const std::string& path) {
        return path == "C:\\Tockly\\wake.mp3" ? std::optional<double>(30) : std::nullopt;
    };
    s.dingshi_shengyin.set_list_index(6);
    s.dingshi_wenjian.set_text(" D:\\gone\\wake.mp3 ");
    editor.dingshi_shiting_Click(6);
    EXPECT_EQ(player2.played, Paths{"C:\\Tockly\\wake.mp3"});
    EXPECT_EQ(app.sound.Mp3Play2.Tag, "自定义");

    // Nowhere to be found: silent, and the system volume is left alone.
    app.sound.Mp3Play2.Tag.clear();
    volume.sets.clear();
    s.dingshi_wenjian.set_text("D:\\gone\\lost.mp3");
    editor.dingshi_shiting_Click(6);
    EXPECT_EQ(player2.played.size(), 1u);
    EXPECT_EQ(app.sound.Mp3Play2.Tag, "");
    for (std::uint32_t word : volume.sets) EXPECT_NE(word, 0xFFFFFFFFu);
}

TEST_F(AlarmEditorTest, PreviousAndNextStopAtTheFirstAndLastSlot) {
    // Presses (0 previous, 1 next) and the slot page shown after them.
    const std::pair<std::vector<int>, int> cases[] = {
        {{0}, 0}, {{1}, 1}, {{1, 1, 0}, 1}, {std::vector<int>(60, 1), 49}};
    for (const auto& [presses, shown] : cases) {
        while (editor.page_index() > 0) editor.shangxia_Click(0);
        for (int e : presses) editor.shangxia_Click(e);
        EXPECT_EQ(editor.page_index(), shown);
        for (int k = 0; k < model::kSlotCount; ++k)
            EXPECT_EQ(editor.pages[static_cast<size_t>(k)].Frame2.visible, k == shown);
    }
}

}  // namespace
}  // namespace tockly::testing
