#include "tools/site-server/site_pages.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "common/ole_date.h"
#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/holiday_text.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace tockly::site {

namespace {

const char* const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三",
                                  "星期四", "星期五", "星期六"};

std::string two_digits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string month_day_key(int month, int day) {
    return two_digits(month) + two_digits(day);
}

// Every festival of the day, Gregorian ones first; both tables are keyed by MMDD, and the
// lunar table writes the eve of the New Year as "0100".
std::string festivals_of(common::OleDate date, const moonleaf::LunarDate& lunar) {
    std::string names;
    const auto add = [&names](std::string_view entry) {
        if (!names.empty()) names += "、";
        names += entry.substr(4);
    };
    const std::string solar_key = month_day_key(date.month(), date.day_of_month());
    for (std::string_view entry : moonleaf::SolarFestivals)
        if (entry.substr(0, 4) == solar_key) add(entry);
    if (!lunar.isLeapMonth) {
        const std::string lunar_key = month_day_key(lunar.month, lunar.day);
        const bool eve = moonleaf::IsLastDayOfLunarYear(lunar);
        for (std::string_view entry : moonleaf::LunarFestivals)
            if (entry.substr(0, 4) == lunar_key || (eve && entry.substr(0, 4) == "0100"))
                add(entry);
    }
    return names;
}

std::string html_page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           title +
           "</title>\n<style>body{font-family:sans-serif;margin:12px;line-height:1.6}"
           "h1{font-size:16px;color:#2c68b0;margin:0 0 8px}p{margin:4px 0}</style>\n"
           "</head>\n<body>\n<h1>" +
           title + "</h1>\n" + body + "</body>\n</html>\n";
}

std::string paragraph(const std::string& label, const std::string& text) {
    return "<p>" + label + "：" + text + "</p>\n";
}

}  // namespace

std::string time_reply(const LocalTime& now) {
    return std::to_string(now.year) + "-" + std::to_string(now.month) + "-" +
           std::to_string(now.day) + "|" + std::to_string(now.hour) + ":" + two_digits(now.minute) +
           ":" + two_digits(now.second);
}

std::string news_page(const LocalTime& now) {
    const common::OleDate date = common::OleDate::from_ymd(now.year, now.month, now.day);
    std::string body =
        paragraph("公历", std::to_string(now.year) + "年" + std::to_string(now.month) + "月" +
                              std::to_string(now.day) + "日 " + kWeekdays[date.weekday()]);
    try {
        const moonleaf::LunarDate lunar = moonleaf::ToLunarDate(date);
        body += "<p>" + moonleaf::LunarDateText(date) + "，生肖" +
                std::string(moonleaf::ZodiacAnimal(lunar.year)) + "</p>\n";
        const std::string term(moonleaf::SolarTermOf(date));
        body += paragraph("节气", term == " " ? "今天不是节气" : "今天是" + term);
        const std::string festivals = festivals_of(date, lunar);
        body += paragraph("节日", festivals.empty() ? "今天没有节日" : festivals);
    } catch (const moonleaf::LunarRangeError&) {
        body += paragraph("农历", "这一天超出了农历表的范围");
    }
    return html_page("Tockly 新闻资讯", body);
}

std::string upgrade_page(const std::string& version) {
    return html_page("Tockly 升级", paragraph("最新版本", "Tockly " + version) +
                                        "<p>程序窗口的标题显示您正在使用的版本。若它比最新版本旧，"
                                        "请下载 Tockly-" +
                                        version + "-setup.exe 安装，或下载 Tockly-" + version +
                                        ".zip 解压到任意文件夹。设置文件“数据库”放在程序旁边，"
                                        "升级时请保留它。</p>\n");
}

Response holidays_page(const std::string& query) {
    // The query is one "name=value" pair or several joined by "&"; only "year" counts.
    std::optional<int> year;
    std::size_t start = 0;
    while (start <= query.size()) {
        const std::size_t end = std::min(query.find('&', start), query.size());
        const std::string pair = query.substr(start, end - start);
        if (pair.size() == 9 && pair.starts_with("year=") &&
            std::all_of(pair.begin() + 5, pair.end(), [](char c) { return c >= '0' && c <= '9'; }))
            year = std::stoi(pair.substr(5));
        start = end + 1;
    }
    if (!year) return error_response(400);
    const auto text = moonleaf::holiday_text_of_year(moonleaf::HolidaySchedule::built_in(), *year);
    if (!text) return error_response(404);
    return {200, "text/plain; charset=utf-8", *text};
}

Response answer(const RequestHead& request, const LocalTime& now, const std::string& version) {
    if (request.method != "GET" && request.method != "HEAD") return error_response(405);
    const std::string html = "text/html; charset=utf-8";
    if (request.path == kTimePath) return {200, "text/plain; charset=utf-8", time_reply(now)};
    if (request.path == kNewsPath) return {200, html, news_page(now)};
    if (request.path == kUpgradePath) return {200, html, upgrade_page(version)};
    if (request.path == kHolidaysPath) return holidays_page(request.query);
    return error_response(404);
}

}  // namespace tockly::site
