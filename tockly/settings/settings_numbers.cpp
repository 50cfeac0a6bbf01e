#include "tockly/settings/settings_numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "tockly/model/number_text.h"

namespace tockly::settings_file {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view without_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

bool is_number_text(std::string_view text) {
    text = without_blanks(text);
    return model::number_length(text) == text.size();
}

std::optional<long> whole_number(std::string_view text) {
    if (!is_number_text(text)) return std::nullopt;
    text = without_blanks(text);
    if (text.empty()) return 0;
    const std::optional<double> value = model::parse_number(text);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<long>(rounded);
}

std::string shortest_decimal(double value) {
    if (value == 0) return "0";  // also for -0, which has no place in the file
    // Fixed notation: the file holds plain decimals, never "1e+20". The largest double has
    // 309 digits before the point.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace tockly::settings_file
