#include "tools/site-server/site_pages.h"

#include <gtest/gtest.h>

#include "moonleaf/lunar/holiday_text.h"

namespace tockly::site {
namespace {

TEST(TimeReply, DateWithoutLeadingZerosThenTwentyFourHourTime) {
    const struct {
        LocalTime now;
        const char* reply;
    } cases[] = {
        {{2010, 4, 5, 11, 42, 51}, "2010-4-5|11:42:51"},
        {{2026, 12, 8, 9, 5, 3}, "2026-12-8|9:05:03"},
        {{2024, 1, 1, 0, 0, 0}, "2024-1-1|0:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(time_reply(c.now), c.reply);
}

TEST(NewsPage, ShowsTheDayFromTheLunarEngine) {
    const struct {
        LocalTime now;
        std::vector<std::string> shown;
    } cases[] = {
        {{2020, 5, 23, 8, 0, 0},
         {"2020年5月23日 星期六", "农历庚子年(闰)四月初一", "生肖鼠", "牛奶日", "今天不是节气"}},
        {{2020, 1, 25, 8, 0, 0}, {"春节"}},
        {{2020, 1, 24, 8, 0, 0}, {"除夕"}},
        {{2020, 10, 1, 8, 0, 0}, {"国庆节、中秋节"}},
        {{2020, 6, 21, 8, 0, 0}, {"今天是夏至", "今天没有节日"}},
        {{2095, 1, 1, 8, 0, 0}, {"超出了农历表的范围"}},
    };
    for (const auto& c : cases) {
        const std::string page = news_page(c.now);
        EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
        for (const std::string& text : c.shown)
            EXPECT_NE(page.find(text), std::string::npos) << text;
    }
}

TEST(Answer, RoutesTheThreePagesAndRefusesTheRest) {
    const LocalTime now{2010, 4, 5, 11, 42, 51};
    const struct {
        const char* method;
        const char* path;
        int status;
        const char* content_type;
    } cases[] = {
        {"GET", "/time", 200, "text/plain; charset=utf-8"},
        {"HEAD", "/time", 200, "text/plain; charset=utf-8"},
        {"GET", "/news", 200, "text/html; charset=utf-8"},
        {"GET", "/upgrade", 200, "text/html; charset=utf-8"},
        {"GET", "/", 404, "text/plain; charset=utf-8"},
        {"GET", "/time/", 404, "text/plain; charset=utf-8"},
        {"POST", "/time", 405, "text/plain; charset=utf-8"},
    };
    for (const auto& c : cases) {
        const Response response = answer({c.method, c.path, 1}, now, "8.09");
        EXPECT_EQ(response.status, c.status) << c.method << " " << c.path;
        EXPECT_EQ(response.content_type, c.content_type) << c.path;
    }
    EXPECT_NE(answer({"GET", "/upgrade", 1}, now, "8.09").body.find("Tockly 8.09"),
              std::string::npos);
}

TEST(Answer, HolidaysServeTheScheduleAsTheHolidayFileHoldsIt) {
    const struct {
        const char* query;
        int status;
    } cases[] = {
        {"year=2026", 200},  {"lang=zh&year=2015", 200}, {"year=2031", 404},
        {"year=26", 400},    {"year=+2026", 400},        {"", 400},
        {"year=2026x", 400}, {"year=20260", 400},
    };
    for (const auto& c : cases) {
        const Response response = answer({"GET", "/holidays", 1, c.query}, {}, "8.09");
        EXPECT_EQ(response.status, c.status) << c.query;
    }
    // What the site serves reads back as the program's own schedule of that year.
    const Response page = answer({"GET", "/holidays", 1, "year=2026"}, {}, "8.09");
    EXPECT_EQ(page.content_type, "text/plain; charset=utf-8");
    const moonleaf::HolidayText read = moonleaf::parse_holiday_text(page.body);
    EXPECT_TRUE(read.damaged_lines.empty());
    EXPECT_EQ(read.notices.at(2026), moonleaf::HolidaySchedule::built_in().days_of(2026));
}

TEST(ParseRequestHead, AcceptsWellFormedHeadsOnly) {
    using namespace std::literals;
    const struct {
        std::string_view head;
        int status;
        const char* path;
    } cases[] = {
        {"GET /time HTTP/1.1\r\nHost: a\r\n\r\n", 0, "/time"},
        {"GET /time?now=1 HTTP/1.1\r\nHost: a\r\nAccept: */*\r\n\r\n", 0, "/time"},
        {"GET /holidays?year=2027 HTTP/1.1\r\nHost: a\r\n\r\n", 0, "/holidays"},
        {"GET /news HTTP/1.0\r\n\r\n", 0, "/news"},
        {"GET /news HTTP/1.1\nHost: a\n\n", 0, "/news"},
        {"GET /time HTTP/1.1\r\n\r\n", 400, ""},                        // no Host
        {"GET /time HTTP/1.1\r\nHost: a\r\nHost: b\r\n\r\n", 400, ""},  // two Hosts
        {"GET /time HTTP/2.0\r\nHost: a\r\n\r\n", 400, ""},
        {"GET time HTTP/1.1\r\nHost: a\r\n\r\n", 400, ""},
        {"GET  /time HTTP/1.1\r\nHost: a\r\n\r\n", 400, ""},
        {"GET /time\r\n\r\n", 400, ""},
        {"\r\n\r\n", 400, ""},
        {"G(T /time HTTP/1.1\r\nHost: a\r\n\r\n", 400, ""},
        {"GET /time HTTP/1.1\r\nHost a\r\n\r\n", 400, ""},
        {"GET /time HTTP/1.1\r\nHost: a\r\n folded\r\n\r\n", 400, ""},
        {"GET /t\x01me HTTP/1.1\r\nHost: a\r\n\r\n", 400, ""},
        {"GET http://a:8080/time?now=1 HTTP/1.1\r\nHost: a\r\n\r\n", 0, "/time"},
        {"HEAD HTTPS://a HTTP/1.0\r\n\r\n", 0, "/"},
        {"GET http:///time HTTP/1.1\r\nHost: a\r\n\r\n", 400, ""},
        {"GET ftp://a/time HTTP/1.1\r\nHost: a\r\n\r\n", 400, ""},
        {"GET /time HTTP/1.1\r\nHost: a\0b\r\n\r\n"sv, 400, ""},
        {"GET /time HTTP/1.1\r\nHost: a\rX-Other: b\r\n\r\n", 400, ""},
        {"GET /time HTTP/1.1\r\nHost: a\r\nContent-Length: 007 \r\n\r\n", 0, "/time"},
        {"GET /time HTTP/1.1\r\nHost: a\r\nContent-Length: -1\r\n\r\n", 400, ""},
        {"GET /time HTTP/1.1\r\nHost: a\r\nContent-Length: 18446744073709551616\r\n\r\n", 400, ""},
        {"GET /time HTTP/1.1\r\nHost: a\r\nContent-Length: 5\r\nContent-Length: 5\r\n\r\n", 400,
         ""},
        {"GET /time HTTP/1.1\r\nHost: a\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n",
         400, ""},
    };
    for (const auto& c : cases) {
        const ParsedRequest parsed = parse_request_head(c.head);
        EXPECT_EQ(parsed.status, c.status) << c.head;
        if (c.status == 0) {
            EXPECT_EQ(parsed.head.path, c.path);
        }
    }
    EXPECT_EQ(parse_request_head(std::string(kMaxRequestHead + 1, 'a')).status, 431);
    EXPECT_EQ(parse_request_head("GET /holidays?year=2027 HTTP/1.0\r\n\r\n").head.query,
              "year=2027");
}

TEST(Serialize, LengthMatchesTheBodyAndHeadLeavesItOut) {
    const Response response{200, "text/plain; charset=utf-8", "2010-4-5|11:42:51"};
    const std::string full = serialize(response, false);
    EXPECT_TRUE(full.starts_with("HTTP/1.1 200 OK\r\n"));
    EXPECT_NE(full.find("Content-Length: 17\r\n"), std::string::npos);
    EXPECT_TRUE(full.ends_with("\r\n\r\n2010-4-5|11:42:51"));
    EXPECT_TRUE(serialize(response, true).ends_with("\r\n\r\n"));
    EXPECT_NE(serialize(error_response(405), false).find("Allow: GET, HEAD\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tockly::site
