#include "tockly/internet_time/time_reply.h"

#include <array>
#include <charconv>

#include "common/ole_date.h"

namespace tockly::internet_time {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Exactly N numbers of 1 to `widest` digits, each pair joined by one of `separators`.
template <size_t N>
std::optional<std::array<int, N>> numbers(std::string_view text, std::string_view separators,
                                          int widest) {
    std::array<int, N> out{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    char separator = 0;
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) {
            if (at == end || separators.find(*at) == std::string_view::npos) return std::nullopt;
            // Both joins of a date use the same sign.
            if (separator != 0 && *at != separator) return std::nullopt;
            separator = *at++;
        }
        if (at == end || *at < '0' || *at > '9') return std::nullopt;
        const auto [next, error] = std::from_chars(at, end, out[i]);
        if (error != std::errc() || next - at > widest) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    return out;
}

}  // namespace

std::optional<platform::LocalDateTime> parse_time_reply(std::string_view reply) {
    const size_t bar = reply.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    const std::string_view rest = reply.substr(bar + 1);
    const auto date = numbers<3>(trimmed(reply.substr(0, bar)), "-/", 4);
    const auto time = numbers<3>(trimmed(rest.substr(0, rest.find('|'))), ":", 2);
    if (!date || !time) return std::nullopt;
    const auto [year, month, day] = *date;
    const auto [hour, minute, second] = *time;
    if (year < 1601 || month < 1 || month > 12 || day < 1 ||
        day > common::days_in_month(year, month))
        return std::nullopt;
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return platform::LocalDateTime{year, month, day, hour, minute, second};
}

}  // namespace tockly::internet_time
