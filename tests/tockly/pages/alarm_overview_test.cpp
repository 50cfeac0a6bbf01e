#include "tockly/pages/alarm_overview.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/tockly/pages/pages_harness.h"

namespace tockly::testing {
namespace {

struct OverviewHarness : PagesHarness {
    OverviewHarness() { app.start_up(); }  // Monday 2026-12-07 08:00:00
    pages::AlarmOverview& overview = pages.overview;
};

// How slot 1 is set, and what its row says for the time and the next due time.
struct NextCase {
    const char* what;
    std::function<void(model::AlarmSlot&)> set;
    const char* time;
    const char* next;
};

TEST(AlarmOverview, EachRowShowsItsSlotAndWhenItIsDueNext) {
    const auto at = [](int hour, int minute, const char* rule = "每天") {
        return [=](model::AlarmSlot& s) {
            s.dingshi_shi.set_list_index(hour);
            s.dingshi_fen.set_list_index(minute);
            s.dingshi_riqi.caption = rule;
            s.dingshi.set_value(1);
        };
    };
    const std::vector<NextCase> cases = {
        {"later today", at(9, 5), "09:05", "2026/12/7 09:05"},
        {"the minute now has gone", at(8, 0), "08:00", "2026/12/8 08:00"},
        {"earlier: tomorrow", at(7, 30), "07:30", "2026/12/8 07:30"},
        {"every hour", at(24, 30), "每小时 30 分", "2026/12/7 08:30"},
        {"weekend days", at(7, 30, "星期6,日"), "07:30", "2026/12/12 07:30"},
        {"a Monday next week", at(7, 0, "星期1"), "07:00", "2026/12/14 07:00"},
        {"official workdays, today's time gone", at(7, 30, "法定工作日"), "07:30",
         "2026/12/8 07:30"},
        {"a date in another short form", at(6, 0, "2027-03-01"), "06:00", "2027/3/1 06:00"},
        {"a date months ahead", at(6, 0, "2027/3/1"), "06:00", "2027/3/1 06:00"},
        {"a date that has passed", at(6, 0, "2026/12/1"), "06:00", ""},
        {"switched off",
         [&](model::AlarmSlot& s) {
             at(9, 5)(s);
             s.dingshi.set_value(0);
         },
         "09:05", ""},
    };
    for (const NextCase& c : cases) {
        OverviewHarness h;
        c.set(h.slot(1));
        h.slot(1).dingshi_text.set_text("起床");
        const std::vector<pages::AlarmRow> rows = h.overview.rows();
        ASSERT_EQ(rows.size(), 50u);
        EXPECT_EQ(rows[0].name, "定时 1") << c.what;
        EXPECT_EQ(rows[0].enabled, h.slot(1).dingshi.checked()) << c.what;
        EXPECT_EQ(rows[0].time, c.time) << c.what;
        EXPECT_EQ(rows[0].rule, h.slot(1).dingshi_riqi.caption) << c.what;
        EXPECT_EQ(rows[0].text, "起床") << c.what;
        EXPECT_EQ(rows[0].next, c.next) << c.what;
        EXPECT_EQ(rows[49].name, "定时 50") << c.what;
        EXPECT_EQ(rows[49].next, "") << c.what;
    }
}

TEST(AlarmOverview, TheNextTimeMovesOnAsTheClockDoes) {
    OverviewHarness h;
    h.set_alarm(3, 8, 1);
    EXPECT_EQ(h.overview.rows()[2].next, "2026/12/7 08:01");
    h.run(61);
    EXPECT_EQ(h.overview.rows()[2].next, "2026/12/8 08:01");
}

TEST(AlarmOverview, ARowsBoxSwitchesTheSlotAsItsOwnCheckBoxDoes) {
    OverviewHarness h;
    h.overview.set_enabled(4, true);
    EXPECT_TRUE(h.slot(5).dingshi.checked());
    EXPECT_TRUE(h.slot(5).dingshi_text.enabled);  // the slot page's reaction ran
    EXPECT_TRUE(h.overview.rows()[4].enabled);
    h.overview.set_enabled(4, false);
    EXPECT_FALSE(h.slot(5).dingshi.checked());
    EXPECT_FALSE(h.slot(5).dingshi_text.enabled);
}

TEST(AlarmOverview, OpeningARowShowsItsSlotOnTheAlarmPage) {
    OverviewHarness h;
    h.app.Form1.TabStrip1_Click(shell::page::kOverview);
    h.overview.open(16);
    EXPECT_EQ(h.pages.alarm_editor.page_index(), 16);
    EXPECT_EQ(h.app.Form1.TabStrip1.selected, shell::page::kAlarms);
    EXPECT_TRUE(h.app.Form1.Frame3[shell::page::kAlarms].visible);
    EXPECT_FALSE(h.app.Form1.Frame3[shell::page::kOverview].visible);
}

}  // namespace
}  // namespace tockly::testing
