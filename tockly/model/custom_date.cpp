#include "tockly/model/custom_date.h"

#include <array>
#include <charconv>

#include "tockly/model/text_functions.h"

namespace tockly::model {

namespace {

using common::OleDate;

// yyyy-M-d or yyyy/M/d, leading zeros allowed.
std::optional<OleDate> parse_numeric_date(std::string_view text) {
    std::array<int, 3> parts{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    char separator = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            if (at == end || (*at != '-' && *at != '/')) return std::nullopt;
            if (separator != 0 && *at != separator) return std::nullopt;
            separator = *at++;
        }
        const char* const start = at;
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        const long digits = next - start;
        const bool width_ok = i == 0 ? digits == 4 : digits >= 1 && digits <= 2;
        if (error != std::errc() || !width_ok) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    const common::YearMonthDay ymd{parts[0], parts[1], parts[2]};
    if (ymd.month < 1 || ymd.month > 12 || ymd.day < 1) return std::nullopt;
    const OleDate date = OleDate::from_ymd(ymd);
    if (date.ymd() != ymd) return std::nullopt;  // 2026-2-30 and the like
    return date;
}

}  // namespace

std::optional<OleDate> custom_rule_date(std::string_view rule, const platform::Clock& clock) {
    const std::string_view text = trim_spaces(rule);
    if (text.empty()) return std::nullopt;
    if (const std::optional<OleDate> date = parse_numeric_date(text)) return date;
    return clock.parse_short_date(text);
}

}  // namespace tockly::model
