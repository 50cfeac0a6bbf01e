// moonleaf: the lunar calendar on the command line, on the same engine as the control.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/console_output.h"
#include "common/ole_date.h"
#include "moonleaf/cli/day_facts.h"
#include "moonleaf/cli/month_sheet.h"
#include "moonleaf/lunar/holiday_text.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace {

using common::OleDate;

constexpr int kWriteFailed = 1;
constexpr int kBadArguments = 2;

const char* const kUsage =
    "用法：moonleaf cal [年 [月]] | moonleaf info 日期 | moonleaf dump 起始日期 结束日期"
    " | moonleaf holidays 年（日期写成 YYYY-MM-DD，范围 1900-01-31 至 2091-02-17）";

int fail(const std::string& what) {
    std::fprintf(stderr, "moonleaf: %s。%s\n", what.c_str(), kUsage);
    return kBadArguments;
}

// A full disk or a closed output is reported, never passed off as success. (A reader that
// stops early, like `head`, ends the program through SIGPIPE before any of this.)
int write_out(std::string_view text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "moonleaf: 抱歉，结果没能完整写出（%s）。\n",
                 errno != 0 ? std::strerror(errno) : "输出出错");
    return kWriteFailed;
}

OleDate today() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return OleDate::from_ymd(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
}

std::optional<int> parse_number(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A date the engine converts, or an explanation of why not.
std::optional<OleDate> parse_date(std::string_view text, std::string& error) {
    const auto ymd = common::parse_iso_date(text);
    if (!ymd) {
        error = "“" + std::string(text) + "”不是有效的日期";
        return std::nullopt;
    }
    const OleDate date = OleDate::from_ymd(*ymd);
    if (date < moonleaf::kFirstConvertibleDay || date > moonleaf::kLastConvertibleDay) {
        error = "日期“" + std::string(text) + "”超出了农历的范围";
        return std::nullopt;
    }
    return date;
}

int run_cal(int argc, char** argv) {
    if (argc > 4) return fail("参数太多了");
    const OleDate now = today();
    if (argc == 3) {
        const auto year = parse_number(argv[2]);
        if (!year) return fail("年份“" + std::string(argv[2]) + "”不是数字");
        if (!moonleaf::cli::year_is_drawable(*year))
            return fail(std::to_string(*year) + "年超出了农历的范围");
        return write_out(moonleaf::cli::year_sheet(*year));
    }
    int year = now.year(), month = now.month();
    if (argc == 4) {
        const auto y = parse_number(argv[2]);
        if (!y) return fail("年份“" + std::string(argv[2]) + "”不是数字");
        const auto m = parse_number(argv[3]);
        if (!m || *m < 1 || *m > 12)
            return fail("月份“" + std::string(argv[3]) + "”应当是 1 到 12");
        year = *y;
        month = *m;
    }
    if (!moonleaf::cli::month_is_drawable(year, month))
        return fail(std::to_string(year) + "年" + std::to_string(month) + "月超出了农历的范围");
    const bool shows_today = now.year() == year && now.month() == month;
    const OleDate focus = shows_today ? now : moonleaf::cli::first_convertible_day(year, month);
    return write_out(moonleaf::cli::month_sheet(year, month, focus));
}

int run_info(int argc, char** argv) {
    if (argc != 3) return fail("info 需要一个日期");
    std::string error;
    const auto date = parse_date(argv[2], error);
    if (!date) return fail(error);
    return write_out(moonleaf::cli::info_text(*date));
}

int run_dump(int argc, char** argv) {
    if (argc != 4) return fail("dump 需要起始日期和结束日期");
    std::string error;
    const auto from = parse_date(argv[2], error);
    if (!from) return fail(error);
    const auto to = parse_date(argv[3], error);
    if (!to) return fail(error);
    if (*from > *to) return fail("起始日期晚于结束日期");
    return write_out(moonleaf::cli::dump_text(*from, *to));
}

// The year's official schedule in the format of "节假日.txt".
int run_holidays(int argc, char** argv) {
    if (argc != 3) return fail("holidays 需要一个年份");
    const auto year = parse_number(argv[2]);
    if (!year) return fail("年份“" + std::string(argv[2]) + "”不是数字");
    const auto text = moonleaf::holiday_text_of_year(moonleaf::HolidaySchedule::built_in(), *year);
    if (!text) {
        const std::vector<int> years = moonleaf::HolidaySchedule::built_in().published_years();
        std::fprintf(stderr, "moonleaf: 抱歉，%d年的节假日安排尚未公布（已收录%d年至%d年）。\n",
                     *year, years.front(), years.back());
        return kBadArguments;
    }
    return write_out(*text);
}

}  // namespace

int main(int argc, char** argv) {
    common::prepare_console_output();
    const std::string_view command = argc >= 2 ? argv[1] : "cal";
    if (command == "--help" || command == "-h") return write_out(std::string(kUsage) + "\n");
    if (command == "cal") return run_cal(argc, argv);
    if (command == "info") return run_info(argc, argv);
    if (command == "dump") return run_dump(argc, argv);
    if (command == "holidays") return run_holidays(argc, argv);
    return fail("不认识的命令“" + std::string(command) + "”");
}
