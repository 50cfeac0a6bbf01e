// moonleaf: the lunar calendar on the command line, on the same engine as the control.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "common/console_output.h"
#include "common/ole_date.h"
#include "moonleaf/cli/day_facts.h"
#include "moonleaf/cli/month_sheet.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace {

using common::OleDate;

constexpr int kBadArguments = 2;

const char* const kUsage =
    "用法：moonleaf cal [年 [月]] | moonleaf info 日期 | moonleaf dump 起始日期 结束日期"
    "（日期写成 YYYY-MM-DD，范围 1900-01-31 至 2091-02-17）";

int fail(const std::string& what) {
    std::fprintf(stderr, "moonleaf: %s。%s\n", what.c_str(), kUsage);
    return kBadArguments;
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
    int year = now.year(), month = now.month();
    if (argc >= 3) {
        const auto y = parse_number(argv[2]);
        if (!y) return fail("年份“" + std::string(argv[2]) + "”不是数字");
        year = *y;
        month = 1;
    }
    if (argc == 4) {
        const auto m = parse_number(argv[3]);
        if (!m || *m < 1 || *m > 12)
            return fail("月份“" + std::string(argv[3]) + "”应当是 1 到 12");
        month = *m;
    }
    if (!moonleaf::cli::month_is_drawable(year, month))
        return fail(std::to_string(year) + "年" + std::to_string(month) + "月超出了农历的范围");
    const bool shows_today = now.year() == year && now.month() == month;
    const OleDate focus = shows_today ? now : OleDate::from_ymd(year, month, 1);
    const std::string sheet = moonleaf::cli::month_sheet(year, month, focus);
    std::fwrite(sheet.data(), 1, sheet.size(), stdout);
    return 0;
}

int run_info(int argc, char** argv) {
    if (argc != 3) return fail("info 需要一个日期");
    std::string error;
    const auto date = parse_date(argv[2], error);
    if (!date) return fail(error);
    const std::string text = moonleaf::cli::info_text(*date);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int run_dump(int argc, char** argv) {
    if (argc != 4) return fail("dump 需要起始日期和结束日期");
    std::string error;
    const auto from = parse_date(argv[2], error);
    if (!from) return fail(error);
    const auto to = parse_date(argv[3], error);
    if (!to) return fail(error);
    if (*from > *to) return fail("起始日期晚于结束日期");
    std::string out = std::string(moonleaf::cli::kDumpHeader) + "\n";
    for (long day = from->day(); day <= to->day(); ++day) {
        out += moonleaf::cli::dump_line(OleDate::from_day(day));
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    common::prepare_console_output();
    const std::string_view command = argc >= 2 ? argv[1] : "cal";
    if (command == "cal") return run_cal(argc, argv);
    if (command == "info") return run_info(argc, argv);
    if (command == "dump") return run_dump(argc, argv);
    return fail("不认识的命令“" + std::string(command) + "”");
}
