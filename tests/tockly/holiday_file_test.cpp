#include "tockly/shell/holiday_file.h"

#include <gtest/gtest.h>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/shell/site.h"

namespace tockly::shell {
namespace {

using common::OleDate;

constexpr const char* kPath = "C:\\Tockly\\节假日.txt";
constexpr const char* k2027 = "# 2027\n2027-01-01 休 元旦\n2027-02-06 休 春节\n2027-02-07 班\n";

struct HolidayFileTest : testing::Test {
    platform::FakeFileSystem files;
    platform::FakeHttp http;
    platform::FakeClock clock;
    HolidayFile holidays{{files, http, clock}};

    bool off(int year, int month, int day) const {
        return !holidays.schedule().is_official_workday(OleDate::from_ymd(year, month, day));
    }
};

TEST_F(HolidayFileTest, TheFileAddsAndReplacesYearsAndSkipsDamagedLines) {
    files.add_file(
        kPath, std::string("\xEF\xBB\xBF") + k2027 + "2027-13-01 休 元旦\r\n乱码\n2026-10-01 班\n");
    holidays.load();
    EXPECT_TRUE(holidays.schedule().is_published(2027));
    EXPECT_TRUE(off(2027, 1, 1));
    EXPECT_FALSE(off(2027, 2, 7));  // a makeup Sunday
    // 2026 is now the file's one line: 国庆 is gone, 10-01 a workday.
    EXPECT_FALSE(off(2026, 10, 1));
    EXPECT_FALSE(off(2026, 10, 2));
    files.files.erase(kPath);
    holidays.load();
    EXPECT_FALSE(holidays.schedule().is_published(2027));
    EXPECT_TRUE(off(2026, 10, 2));
}

TEST_F(HolidayFileTest, FromDecemberTheNextYearIsFetchedOnceAMonthAndOnlyAGoodReplyIsKept) {
    clock.set(2026, 11, 30, 9, 0, 0);
    holidays.fetch_when_due();  // 2026's own notice is built in
    EXPECT_TRUE(http.requests.empty());

    clock.set(2026, 12, 1, 9, 0, 0);
    http.reply = {false, {}, "服务器返回了状态 404"};
    holidays.fetch_when_due();
    holidays.fetch_when_due();
    EXPECT_EQ(http.requests, std::vector<std::string>{site::holidays_page(2027)});
    EXPECT_EQ(files.files.count(kPath), 0u);

    files.add_file(kPath, "# kept\n2027-01-01 休 元旦\n");
    const std::string kept = files.files.at(kPath);
    const platform::HttpReply bad_replies[] = {
        {true, std::string(k2027) + "2027-02-30 班\n", {}},  // a damaged line
        {true, "2028-01-01 休 元旦\n", {}},                  // another year
        {true, "# nothing\n", {}},
        {true, std::string(64 * 1024, '#'), {}},  // cut at the service's limit
    };
    for (int month = 1; month <= 4; ++month) {
        clock.set(2027, month, 2, 9, 0, 0);
        http.reply = bad_replies[month - 1];
        holidays.fetch_when_due();
        EXPECT_EQ(files.files.at(kPath), kept) << month;
    }
    EXPECT_EQ(http.requests.size(), 5u);

    clock.set(2027, 5, 2, 9, 0, 0);
    http.reply = {true, k2027, {}};
    holidays.fetch_when_due();
    EXPECT_TRUE(off(2027, 2, 6));
    EXPECT_EQ(files.files.count(std::string(kPath) + ".new"), 0u);
    HolidayFile reloaded{{files, http, clock}};
    reloaded.load();
    EXPECT_EQ(reloaded.schedule().days_of(2027), holidays.schedule().days_of(2027));
    EXPECT_EQ(reloaded.schedule().days_of(2027).size(), 3u);
}

}  // namespace
}  // namespace tockly::shell
