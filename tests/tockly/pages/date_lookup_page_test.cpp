#include "tockly/pages/date_lookup_page.h"

#include <gtest/gtest.h>

#include "tests/tockly/pages/pages_harness.h"
#include "tockly/shell/site.h"

namespace tockly::testing {
namespace {

using common::OleDate;
namespace button = pages::lookup_button;

struct DateLookupTest : ::testing::Test, PagesHarness {
    DateLookupTest() { calendar.value = OleDate::from_ymd(2020, 5, 23); }
    pages::DateLookupPage& page = pages.date_lookup;
};

TEST_F(DateLookupTest, ButtonsReportTheChosenDate) {
    EXPECT_TRUE(calendar.show_holidays);  // 休 and 班 in the month view
    calendar.year = "庚子年(闰)";
    calendar.month = "四月";
    calendar.day_name = "初一";
    calendar.animal = "鼠";
    calendar.constellation = "双子座";
    for (int e = button::kGregorianDate; e <= button::kConstellation; ++e) page.anniu1_Click(e);
    EXPECT_EQ(messages(), (std::vector<std::string>{"选定的公历日期为： 2020/5/23",
                                                    "选定的农历日期为： [庚子年(闰)]四月初一",
                                                    "选定的属相为： 鼠", "选定的星座为： 双子座"}));
    for (const OleDate asked : calendar.asked) EXPECT_EQ(asked, OleDate::from_ymd(2020, 5, 23));

    page.anniu1_Click(button::kToday);
    EXPECT_EQ(calendar.value, OleDate::from_ymd(2026, 12, 7));
}

TEST_F(DateLookupTest, ButtonsLightUpUnderTheMouseAndGoBackOverTheBackground) {
    files.add_file(clip(pages::kPictureNormal));
    files.add_file(clip(pages::kPictureHover));
    files.add_file(clip(pages::kPicturePressed));
    pages::DateLookupPage lit(
        {calendar, clock, files, message_box, app.page_host, app.time_sync, "C:\\Tockly\\"});
    const auto picture = [&](int e) { return lit.anniu1_Picture1[static_cast<size_t>(e)].picture; };
    EXPECT_EQ(picture(0), clip(pages::kPictureNormal));
    EXPECT_EQ(lit.anniu1[button::kTimeSync].fore_color, ui::kRed);

    lit.anniu1_MouseDown(1);
    EXPECT_EQ(picture(1), clip(pages::kPicturePressed));
    EXPECT_EQ(lit.anniu1[1].fore_color, ui::kBlue);
    lit.anniu1_MouseMove(1);  // already lit: stays pressed
    EXPECT_EQ(picture(1), clip(pages::kPicturePressed));
    lit.anniu1_MouseUp(1);
    EXPECT_EQ(picture(1), clip(pages::kPictureHover));
    lit.anniu1_MouseMove(2);  // straight onto the next button
    EXPECT_EQ(lit.highlighted(), 2);
    EXPECT_EQ(picture(2), clip(pages::kPictureHover));
    EXPECT_EQ(lit.anniu1[2].fore_color, ui::kBlue);

    lit.Frame3_MouseMove();
    EXPECT_EQ(lit.highlighted(), -1);
    for (int e = 0; e < button::kCount; ++e) {
        EXPECT_EQ(picture(e), clip(pages::kPictureNormal));
        EXPECT_EQ(lit.anniu1[static_cast<size_t>(e)].fore_color,
                  e == button::kTimeSync ? ui::kRed : ui::kButtonTextColor);
    }
}

TEST_F(DateLookupTest, MissingPicturesLeaveTheButtonAsItWas) {
    page.anniu1_MouseDown(0);
    EXPECT_EQ(page.anniu1_Picture1[0].picture, "");
    EXPECT_EQ(page.anniu1[0].fore_color, ui::kBlue);
}

constexpr const char* kFailed = "对时失败，可能网络繁忙，请稍后再试！";

TEST_F(DateLookupTest, TimeSyncSetsTheClockFromTheTimePageReply) {
    calendar.value = OleDate::from_ymd(2000, 1, 1);
    http.reply.body = "2010-4-5|11:42:51\r\n";
    page.anniu1_Click(button::kTimeSync);
    EXPECT_EQ(http.requests, std::vector<std::string>{shell::site::time_page()});
    EXPECT_EQ(http.requests[0].rfind("https://", 0), 0u);
    ASSERT_EQ(system_time.sets.size(), 1u);
    const platform::LocalDateTime& set = system_time.sets[0];
    EXPECT_EQ((std::array<int, 6>{set.year, set.month, set.day, set.hour, set.minute, set.second}),
              (std::array<int, 6>{2010, 4, 5, 11, 42, 51}));
    EXPECT_EQ(calendar.value, OleDate::from_ymd(2026, 12, 7));
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"确实与 internet 进行对时吗？",
                                        "与 internet 进行对时成功！现在时间：2026/12/7 8:00:00"}));
    EXPECT_EQ(message_box.shown[0].buttons, platform::message_box::kYesNo);
}

TEST_F(DateLookupTest, TimeSyncRefusesEveryReplyThatIsNotADateAndATime) {
    const std::pair<std::string, bool> replies[] = {
        {"2010-4-5|11:42:51|extra", true},
        {"2010/04/05 | 09:05:00", true},
        {"2010-4-5", false},
        {"<html>busy</html>", false},
        {"", false},
        {std::string(10 << 20, '7'), false},
        {std::string(10 << 20, '|'), false},
        {"2010-2-30|11:42:51", false},
        {"2010-4-5|25:61:00", false},
        {"2010-4|11:42:51", false},
        {"2010-4/5|11:42:51", false},
        {"2010-4-5|11:42", false},
        {"-2010-4-5|11:42:51", false},
        {"99999-1-1|11:42:51", false},
    };
    for (const auto& [body, accepted] : replies) {
        system_time.sets.clear();
        message_box.shown.clear();
        http.reply.body = body;
        page.anniu1_Click(button::kTimeSync);
        EXPECT_EQ(system_time.sets.size(), accepted ? 1u : 0u) << body.substr(0, 40);
        EXPECT_EQ(messages().back() == kFailed, !accepted) << body.substr(0, 40);
    }
}

TEST_F(DateLookupTest, TimeSyncReportsAFailedFetchAndAClockThatCannotBeSet) {
    http.reply = {false, "", "timeout"};
    page.anniu1_Click(button::kTimeSync);
    EXPECT_EQ(messages().back(), kFailed);
    EXPECT_TRUE(system_time.sets.empty());

    http.reply = {true, "2010-4-5|11:42:51", ""};
    system_time.result = {false, true, "access denied"};
    calendar.value = OleDate::from_ymd(2000, 1, 1);
    page.anniu1_Click(button::kTimeSync);
    const std::string told = messages().back();
    EXPECT_EQ(told, internet_time::clock_not_set_message({2010, 4, 5, 11, 42, 51}));
    EXPECT_NE(told.find("管理员权限"), std::string::npos);
    EXPECT_NE(told.find("2010-4-5 11:42:51"), std::string::npos);
    EXPECT_EQ(calendar.value, OleDate::from_ymd(2000, 1, 1));
}

TEST_F(DateLookupTest, TrayItemRunsTheSameSynchronisation) {
    app.tray.wenjian1_Click(7);
    EXPECT_EQ(system_time.sets.size(), 1u);
}

TEST_F(DateLookupTest, AnsweringNoMakesNoRequest) {
    message_box.answers.push_back(platform::message_box::kAnswerNo);
    page.anniu1_Click(button::kTimeSync);
    EXPECT_TRUE(http.requests.empty());
    EXPECT_EQ(message_box.shown.size(), 1u);
}

}  // namespace
}  // namespace tockly::testing
